// SPDX-License-Identifier: GPL-3.0-or-later
// Ruvo's clock in a Plasma panel: the text Ruvo publishes on D-Bus (io.github.ruvo.Panel1 at
// /io/github/ruvo/Ruvo/Panel), in the panel's font and colours at the panel's height. Plasma 5
// gives QML no D-Bus of its own, so the applet runs dbus-send through the executable data
// engine: WaitForChange is answered by Ruvo only when the text changes, and the applet then
// asks again, so neither side wakes up in between. The chosen icon has a call of its own
// (WaitForIconChange) that is answered only when the icon changes: a white mask that the
// applet tints in the text's colour.
import QtGraphicalEffects 1.15
import QtQuick 2.15
import QtQuick.Layouts 1.15
import org.kde.plasma.core 2.0 as PlasmaCore
import org.kde.plasma.components 3.0 as PlasmaComponents
import org.kde.plasma.plasmoid 2.0

Item {
    id: root

    readonly property string service: "io.github.ruvo.Ruvo"
    readonly property string path: "/io/github/ruvo/Ruvo/Panel"
    readonly property string iface: "io.github.ruvo.Panel1"
    property bool running: false
    property string text: ""
    property string toolTip: ""
    property string textColor: ""
    property int serial: 0
    property int calls: 0
    property string iconSource: "" // a data: URL of the PNG, or empty
    // No serial of Ruvo's matches this one: the first call is answered at once.
    property real iconSerial: 4294967295
    property bool iconLoop: false

    Plasmoid.preferredRepresentation: Plasmoid.fullRepresentation
    Plasmoid.backgroundHints: PlasmaCore.Types.NoBackground
    Plasmoid.toolTipMainText: running ? text : i18n("Ruvo is not running")
    Plasmoid.toolTipSubText: running ? toolTip : i18n("Click to start Ruvo")

    Plasmoid.fullRepresentation: MouseArea {
        id: area
        readonly property bool vertical: Plasmoid.formFactor === PlasmaCore.Types.Vertical
        Layout.minimumWidth: vertical ? -1 : row.implicitWidth + PlasmaCore.Units.smallSpacing * 2
        Layout.minimumHeight: vertical ? row.implicitHeight : -1
        acceptedButtons: Qt.LeftButton
        onClicked: root.activate(area)

        Row {
            id: row
            anchors.centerIn: parent
            height: parent.height
            spacing: PlasmaCore.Units.smallSpacing
            readonly property color ink: root.textColor !== "" ? root.textColor
                                                                : PlasmaCore.Theme.textColor

            Item {
                // Ruvo draws its icons 22 points high around a 16-point picture.
                height: Math.min(row.height, PlasmaCore.Units.iconSizes.small * 22 / 16)
                width: mask.implicitHeight > 0 ? mask.implicitWidth * height / mask.implicitHeight : 0
                anchors.verticalCenter: parent.verticalCenter
                visible: root.running && root.iconSource !== ""

                Image {
                    id: mask
                    anchors.fill: parent
                    source: root.iconSource
                    smooth: true
                    visible: false
                }
                ColorOverlay {
                    anchors.fill: parent
                    source: mask
                    color: row.ink
                }
            }

            PlasmaComponents.Label {
                id: label
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: root.running ? root.text : i18n("Ruvo is not running")
                color: row.ink
                font: PlasmaCore.Theme.defaultFont
                wrapMode: Text.NoWrap
                visible: text !== ""
            }
        }
    }

    PlasmaCore.DataSource {
        id: executable
        engine: "executable"
        onNewData: {
            disconnectSource(sourceName)
            if (sourceName.indexOf(".WaitForChange ") >= 0)
                root.onReply(data["exit code"], data["stdout"])
            else if (sourceName.indexOf(".WaitForIconChange ") >= 0)
                root.onIconReply(data["exit code"], data["stdout"])
        }
        // Each call is a new source: the engine runs a source only once while connected.
        function run(command) {
            root.calls += 1
            connectSource(command + " # " + root.calls)
        }
    }

    // Only while Ruvo is away: look again now and then, so a started Ruvo is found.
    Timer {
        id: retry
        interval: 30000
        onTriggered: root.waitForChange()
    }

    function send(method, args) {
        return "dbus-send --session --print-reply --reply-timeout=2147483647 --dest=" + service
            + " " + path + " " + iface + "." + method + " " + args
    }

    function waitForChange() {
        executable.run(send("WaitForChange", "uint32:" + (running ? serial : 0)))
    }

    // dbus-send prints the four values one a line: string "text", string "tool tip",
    // string "colour", uint32 serial.
    function onReply(exitCode, output) {
        var strings = []
        var number = -1
        var lines = output.split("\n")
        for (var i = 0; i < lines.length; ++i) {
            var s = lines[i].match(/^\s*string "(.*)"$/)
            if (s)
                strings.push(s[1])
            var u = lines[i].match(/^\s*uint32 (\d+)$/)
            if (u)
                number = parseInt(u[1])
        }
        running = exitCode === 0 && strings.length === 3 && number >= 0
        if (!running) {
            retry.restart()
            return
        }
        text = strings[0]
        toolTip = strings[1]
        textColor = strings[2]
        serial = number
        waitForChange()
        if (!iconLoop) {
            iconLoop = true
            iconSerial = 4294967295
            waitForIconChange()
        }
    }

    function waitForIconChange() {
        executable.run(send("WaitForIconChange", "uint32:" + iconSerial))
    }

    // dbus-send prints: string "name", then "array of bytes [" with the bytes in hex over
    // several lines and "]", then uint32 serial. An error (Ruvo gone, or one without icons)
    // ends the loop until the text's loop finds Ruvo again.
    function onIconReply(exitCode, output) {
        var bytes = []
        var number = -1
        var inBytes = false
        var lines = output.split("\n")
        for (var i = 0; i < lines.length; ++i) {
            var line = lines[i].trim()
            if (line.indexOf("array of bytes [") === 0) {
                inBytes = true
            } else if (inBytes && line === "]") {
                inBytes = false
            } else if (inBytes) {
                var hex = line.split(/\s+/)
                for (var h = 0; h < hex.length; ++h)
                    if (hex[h] !== "")
                        bytes.push(parseInt(hex[h], 16))
            } else {
                var u = line.match(/^uint32 (\d+)$/)
                if (u)
                    number = parseInt(u[1])
            }
        }
        if (exitCode !== 0 || number < 0) {
            iconLoop = false
            iconSource = ""
            return
        }
        iconSource = bytes.length > 0 ? "data:image/png;base64," + base64(bytes) : ""
        iconSerial = number
        waitForIconChange()
    }

    function base64(bytes) {
        var alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
        var out = ""
        for (var i = 0; i < bytes.length; i += 3) {
            var n = (bytes[i] << 16) | ((bytes[i + 1] || 0) << 8) | (bytes[i + 2] || 0)
            out += alphabet[(n >> 18) & 63] + alphabet[(n >> 12) & 63]
            out += i + 1 < bytes.length ? alphabet[(n >> 6) & 63] : "="
            out += i + 2 < bytes.length ? alphabet[n & 63] : "="
        }
        return out
    }

    function activate(item) {
        if (!running) {
            executable.run("setsid ruvo >/dev/null 2>&1 &")
            retry.interval = 2000
            retry.restart()
            return
        }
        var bottom = Plasmoid.location !== PlasmaCore.Types.BottomEdge
        var point = item.mapToGlobal(item.width / 2, bottom ? item.height : 0)
        executable.run(send("Activate", "int32:" + Math.round(point.x) + " int32:"
                            + Math.round(point.y)))
    }

    Component.onCompleted: waitForChange()
}
