#include "ForegroundTestDesktop.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

ForegroundTestDesktop::ForegroundTestDesktop(const QByteArray& display) {
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return;
  }
  m_connection = connection;
  m_root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

ForegroundTestDesktop::~ForegroundTestDesktop() {
  if (m_connection) xcb_disconnect(m_connection);
}

uint32_t ForegroundTestDesktop::atom(const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr);
  const uint32_t value = reply ? reply->atom : 0;
  std::free(reply);
  return value;
}

// A round trip: everything sent before is done when the answer comes.
void ForegroundTestDesktop::sync() {
  std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

uint32_t ForegroundTestDesktop::openWindow(int pid) {
  const uint32_t window = xcb_generate_id(m_connection);
  xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, 100, 100, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
  if (pid > 0) {
    const uint32_t value = uint32_t(pid);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1,
                        &value);
  }
  xcb_map_window(m_connection, window);
  sync();
  return window;
}

void ForegroundTestDesktop::activate(uint32_t window) {
  xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_root, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 32, 1,
                      &window);
  sync();
}

void ForegroundTestDesktop::clearActive() {
  xcb_delete_property(m_connection, m_root, atom("_NET_ACTIVE_WINDOW"));
  sync();
}

void ForegroundTestDesktop::closeWindow(uint32_t window) {
  xcb_destroy_window(m_connection, window);
  sync();
}
