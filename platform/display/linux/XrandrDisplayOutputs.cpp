#include "platform/display/linux/XrandrDisplayOutputs.h"

#include "platform/display/linux/XErrorTrap.h"

#include <QLoggingCategory>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <atomic>

Q_LOGGING_CATEGORY(lcDisplay, "varnex.display.xrandr")

namespace platform {

namespace {

// EDIDs are 128 bytes a block; a monitor with a few extension blocks fits
// well within this many 32-bit units.
constexpr long kEdidReadUnits = 2048;

bool isPortrait(int orientation) { return orientation == 1 || orientation == 3; }

int orientationOf(Rotation rotation) {
  switch (rotation & (RR_Rotate_0 | RR_Rotate_90 | RR_Rotate_180 | RR_Rotate_270)) {
    case RR_Rotate_90: return 1;
    case RR_Rotate_180: return 2;
    case RR_Rotate_270: return 3;
    default: return 0;
  }
}

Rotation rotationOf(int orientation) { return Rotation(RR_Rotate_0 << orientation); }

// Say once why there are no outputs; the question is asked at every arrival.
void logUnavailableOnce(const char* why) {
  static std::atomic<bool> said{false};
  if (!said.exchange(true)) qCWarning(lcDisplay) << "no display outputs:" << why;
}

// One connection with the screen resources read, released in reverse.
class RandrSession {
 public:
  explicit RandrSession(const QByteArray& displayName) {
    m_display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!m_display) {
      logUnavailableOnce("no X display (a Wayland session without X access?)");
      return;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(m_display, &eventBase, &errorBase) || !XRRQueryVersion(m_display, &major, &minor) ||
        major < 1 || (major == 1 && minor < 2)) {
      logUnavailableOnce("the X display has no RandR 1.2");
      return;
    }
    m_root = DefaultRootWindow(m_display);
    m_trap = std::make_unique<XErrorTrap>(m_display);
    const bool current = major > 1 || minor >= 3;
    m_resources = current ? XRRGetScreenResourcesCurrent(m_display, m_root) : XRRGetScreenResources(m_display, m_root);
  }
  ~RandrSession() {
    if (m_resources) XRRFreeScreenResources(m_resources);
    m_trap.reset();
    if (m_display) XCloseDisplay(m_display);
  }
  RandrSession(const RandrSession&) = delete;
  RandrSession& operator=(const RandrSession&) = delete;

  bool ready() const { return m_resources != nullptr; }
  Display* display() const { return m_display; }
  Window root() const { return m_root; }
  XRRScreenResources* resources() const { return m_resources; }
  XErrorTrap& trap() { return *m_trap; }

 private:
  Display* m_display = nullptr;
  Window m_root = 0;
  std::unique_ptr<XErrorTrap> m_trap;
  XRRScreenResources* m_resources = nullptr;
};

template <typename T, void (*Free)(T*)>
struct XFreeing {
  void operator()(T* info) const {
    if (info) Free(info);
  }
};
using OutputInfo = std::unique_ptr<XRROutputInfo, XFreeing<XRROutputInfo, XRRFreeOutputInfo>>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, XFreeing<XRRCrtcInfo, XRRFreeCrtcInfo>>;

QByteArray edidProperty(Display* display, RROutput output) {
  const Atom edidAtom = XInternAtom(display, RR_PROPERTY_RANDR_EDID, True);
  if (edidAtom == None) return {};
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  QByteArray edid;
  if (XRRGetOutputProperty(display, output, edidAtom, 0, kEdidReadUnits, False, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
      data && type == XA_INTEGER && format == 8) {
    edid = QByteArray(reinterpret_cast<const char*>(data), int(count));
  }
  if (data) XFree(data);
  return edid;
}

const XRRModeInfo* modeById(const XRRScreenResources* resources, RRMode id) {
  for (int i = 0; i < resources->nmode; ++i) {
    if (resources->modes[i].id == id) return &resources->modes[i];
  }
  return nullptr;
}

// A mode of the output that shows `size` once turned to `orientation`; the
// CRTC's current mode first, so a plain turn keeps the refresh rate.
RRMode modeFor(const XRRScreenResources* resources, const XRROutputInfo& output, RRMode currentMode, int orientation,
               QSize size) {
  const QSize unturned = isPortrait(orientation) ? size.transposed() : size;
  auto fits = [&](RRMode id) {
    const XRRModeInfo* mode = modeById(resources, id);
    return mode && int(mode->width) == unturned.width() && int(mode->height) == unturned.height();
  };
  for (int i = 0; i < output.nmode; ++i) {
    if (output.modes[i] == currentMode && fits(currentMode)) return currentMode;
  }
  for (int i = 0; i < output.nmode; ++i) {
    if (fits(output.modes[i])) return output.modes[i];
  }
  return None;
}

// The screen size every CRTC needs once `changed` shows `changedRect`.
QSize neededScreenSize(RandrSession& session, RRCrtc changed, const QRect& changedRect) {
  QRect all = changedRect;
  XRRScreenResources* resources = session.resources();
  for (int i = 0; i < resources->ncrtc; ++i) {
    if (resources->crtcs[i] == changed) continue;
    CrtcInfo crtc(XRRGetCrtcInfo(session.display(), resources, resources->crtcs[i]));
    if (crtc && crtc->mode != None) all |= QRect(crtc->x, crtc->y, int(crtc->width), int(crtc->height));
  }
  return QSize(all.right() + 1, all.bottom() + 1);
}

// Keeps the physical size in step with the pixels, so the DPI stays the same.
void setScreenSize(RandrSession& session, QSize size) {
  Display* display = session.display();
  const int screen = DefaultScreen(display);
  const int pixelsWide = DisplayWidth(display, screen), pixelsHigh = DisplayHeight(display, screen);
  const int mmWide = std::max(1, DisplayWidthMM(display, screen) * size.width() / std::max(1, pixelsWide));
  const int mmHigh = std::max(1, DisplayHeightMM(display, screen) * size.height() / std::max(1, pixelsHigh));
  XRRSetScreenSize(display, session.root(), size.width(), size.height(), mmWide, mmHigh);
}

QSize currentScreenSize(Display* display) {
  const int screen = DefaultScreen(display);
  return QSize(DisplayWidth(display, screen), DisplayHeight(display, screen));
}

}  // namespace

XrandrDisplayOutputs::XrandrDisplayOutputs(QByteArray displayName, QString drmRoot)
    : m_displayName(std::move(displayName)), m_drmRoot(std::move(drmRoot)) {}

QVector<DisplayOutput> XrandrDisplayOutputs::outputs() {
  QVector<DisplayOutput> found;
  RandrSession session(m_displayName);
  if (!session.ready()) return found;
  XRRScreenResources* resources = session.resources();
  for (int i = 0; i < resources->noutput; ++i) {
    OutputInfo output(XRRGetOutputInfo(session.display(), resources, resources->outputs[i]));
    if (!output || output->crtc == None) continue;
    CrtcInfo crtc(XRRGetCrtcInfo(session.display(), resources, output->crtc));
    if (!crtc || crtc->mode == None) continue;
    DisplayOutput entry;
    entry.name = QString::fromUtf8(output->name, output->nameLen);
    entry.rect = QRect(crtc->x, crtc->y, int(crtc->width), int(crtc->height));
    entry.orientation = orientationOf(crtc->rotation);
    entry.modeSize = entry.rect.size();
    entry.edid = edidProperty(session.display(), resources->outputs[i]);
    if (entry.edid.isEmpty()) entry.edid = drmEdidForOutput(m_drmRoot, entry.name);
    found.push_back(entry);
  }
  return found;
}

int XrandrDisplayOutputs::setMode(const QString& outputName, int orientation, QSize size) {
  if (orientation < 0 || orientation > 3) return DisplayChangeBadMode;
  RandrSession session(m_displayName);
  if (!session.ready()) return DisplayChangeFailed;
  Display* display = session.display();
  XRRScreenResources* resources = session.resources();

  OutputInfo output;
  RROutput outputId = None;
  for (int i = 0; i < resources->noutput && !output; ++i) {
    OutputInfo candidate(XRRGetOutputInfo(display, resources, resources->outputs[i]));
    if (candidate && candidate->crtc != None && QString::fromUtf8(candidate->name, candidate->nameLen) == outputName) {
      output = std::move(candidate);
      outputId = resources->outputs[i];
    }
  }
  if (!output) return DisplayChangeBadParam;
  CrtcInfo crtc(XRRGetCrtcInfo(display, resources, output->crtc));
  if (!crtc) return DisplayChangeFailed;

  const Rotation rotation = rotationOf(orientation);
  if (!(crtc->rotations & rotation)) {
    qCInfo(lcDisplay) << outputName << "cannot turn to orientation" << orientation;
    return DisplayChangeBadMode;
  }
  const RRMode mode = modeFor(resources, *output, crtc->mode, orientation, size);
  if (mode == None) {
    qCInfo(lcDisplay) << outputName << "has no mode showing" << size << "at orientation" << orientation;
    return DisplayChangeBadMode;
  }

  const QRect turned(crtc->x, crtc->y, size.width(), size.height());
  const QSize needed = neededScreenSize(session, output->crtc, turned);
  const QSize before = currentScreenSize(display);
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  XRRGetScreenSizeRange(display, session.root(), &minWidth, &minHeight, &maxWidth, &maxHeight);
  if (needed.width() > maxWidth || needed.height() > maxHeight) return DisplayChangeBadMode;
  const QSize grown = before.expandedTo(needed);
  if (grown != before) setScreenSize(session, grown);

  RROutput* crtcOutputs = crtc->noutput > 0 ? crtc->outputs : &outputId;
  const int crtcOutputCount = crtc->noutput > 0 ? crtc->noutput : 1;
  const Status status = XRRSetCrtcConfig(display, resources, output->crtc, CurrentTime, crtc->x, crtc->y, mode,
                                         rotation, crtcOutputs, crtcOutputCount);
  if (status != RRSetConfigSuccess || session.trap().failedSoFar()) {
    qCWarning(lcDisplay) << "the X server refused to turn" << outputName << "status" << status;
    if (grown != before) setScreenSize(session, before);
    return DisplayChangeFailed;
  }
  // A turn back to landscape leaves the screen taller than the outputs need.
  const QSize fitting = needed.expandedTo(QSize(minWidth, minHeight));
  if (fitting != grown) setScreenSize(session, fitting);
  return DisplayChangeSuccessful;
}

}  // namespace platform
