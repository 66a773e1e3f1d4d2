// Publishes the focused window on the session bus for the Varnex tablet
// driver: GNOME Shell tells no other program which window has the focus.
// Asked once a second while a tablet is connected; it answers from what the
// shell already knows and never watches or stores anything itself.

const { Gio, Meta, Shell } = imports.gi;

const BUS_NAME = 'org.varnex.Foreground';
const OBJECT_PATH = '/org/varnex/Foreground';
const INTERFACE = `
<node>
  <interface name="org.varnex.Foreground">
    <method name="FocusedWindow">
      <arg type="u" direction="out" name="pid"/>
      <arg type="s" direction="out" name="appId"/>
      <arg type="t" direction="out" name="windowId"/>
    </method>
  </interface>
</node>`;

class ForegroundPublisher {
    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(INTERFACE, this);
        this._object.export(Gio.DBus.session, OBJECT_PATH);
        this._nameId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
    }

    disable() {
        if (this._nameId)
            Gio.bus_unown_name(this._nameId);
        this._nameId = 0;
        if (this._object)
            this._object.unexport();
        this._object = null;
    }

    FocusedWindow() {
        // While the overview is open no window has the focus; the window
        // the user was last in is still the one in front.
        const window = global.display.focus_window ||
            global.display.get_tab_list(Meta.TabList.NORMAL_ALL, null)[0];
        if (!window)
            return [0, '', 0];
        const app = Shell.WindowTracker.get_default().get_window_app(window);
        // The shell's app id is the desktop entry's name ("org.kde.krita.desktop");
        // a window without one has "window:<n>", which names nothing.
        let appId = app ? app.get_id() : '';
        if (appId.startsWith('window:'))
            appId = window.get_gtk_application_id() || window.get_wm_class() || '';
        return [Math.max(0, window.get_pid()), appId, window.get_id()];
    }
}

function init() {
    return new ForegroundPublisher();
}
