// A Wayland compositor that says each window's app id as the window gives it: "app id: ID" on standard error.
import QtQuick
import QtWayland.Compositor
import QtWayland.Compositor.XdgShell

Window {
    id: screen
    WaylandCompositor {
        socketName: "vantor-test"
        useHardwareIntegrationExtension: false // the program draws into shared memory
        WaylandOutput { window: screen }
        XdgShell {
            onToplevelCreated: (toplevel, surface) => toplevel.appIdChanged.connect(
                () => console.log("app id: " + toplevel.appId))
        }
    }
}
