pragma Singleton
import QtQuick 2.15

// The one source of every colour, size and font of the window. Controls bind
// to these properties, so changing index restyles the whole window at once.
QtObject {
    id: theme

    // Position in names: 0 Red, 1 Black, 2 Pink, 3 Gold, 4 Green, 5 Gray.
    property int index: 5
    readonly property var names: ["Red", "Black", "Pink", "Gold", "Green", "Gray"]

    readonly property var palettes: [
        { accent: "#c8423b", accentHover: "#d65a52", accentPressed: "#a9352f", accentSoft: "#f6dcda",
          window: "#f4f1f0", surface: "#ffffff", sunken: "#ece7e6", title: "#c8423b", onTitle: "#ffffff",
          text: "#2b2424", textMuted: "#7a6d6b", border: "#ddd3d1", control: "#f7f3f2", hover: "#efe6e4", pressed: "#e4d8d6" },
        { accent: "#5b8def", accentHover: "#739ff2", accentPressed: "#4a78d4", accentSoft: "#2c3a55",
          window: "#1f2124", surface: "#2a2d31", sunken: "#1b1d20", title: "#16181a", onTitle: "#e8eaed",
          text: "#e8eaed", textMuted: "#9aa0a6", border: "#3c4046", control: "#33373c", hover: "#3b4046", pressed: "#454b52" },
        { accent: "#d0537f", accentHover: "#db6c93", accentPressed: "#b4436b", accentSoft: "#f8dde7",
          window: "#f8f1f4", surface: "#ffffff", sunken: "#efe4e9", title: "#d0537f", onTitle: "#ffffff",
          text: "#2d2428", textMuted: "#806e76", border: "#e6d5dc", control: "#faf4f6", hover: "#f2e6eb", pressed: "#e8d7de" },
        { accent: "#b8862b", accentHover: "#c79a45", accentPressed: "#9a6f22", accentSoft: "#f3e7cc",
          window: "#f6f3ec", surface: "#ffffff", sunken: "#ece6d9", title: "#b8862b", onTitle: "#ffffff",
          text: "#2b271f", textMuted: "#7a7262", border: "#e0d7c4", control: "#f9f6ef", hover: "#f0e9da", pressed: "#e6dcc8" },
        { accent: "#2e8b62", accentHover: "#43a077", accentPressed: "#247150", accentSoft: "#d4ecdf",
          window: "#f0f5f2", surface: "#ffffff", sunken: "#e3ebe6", title: "#2e8b62", onTitle: "#ffffff",
          text: "#222a26", textMuted: "#6a7770", border: "#d2ddd6", control: "#f4f8f6", hover: "#e6efea", pressed: "#d8e5dd" },
        { accent: "#4a6b8a", accentHover: "#5d7e9d", accentPressed: "#3c5772", accentSoft: "#dde5ee",
          window: "#f1f2f4", surface: "#ffffff", sunken: "#e6e8eb", title: "#3d4650", onTitle: "#f2f4f6",
          text: "#24282c", textMuted: "#6b737b", border: "#d6dadf", control: "#f6f7f8", hover: "#eaecef", pressed: "#dfe2e6" }
    ]
    readonly property var current: palettes[Math.max(0, Math.min(palettes.length - 1, index))]

    readonly property color accent: current.accent
    readonly property color accentHover: current.accentHover
    readonly property color accentPressed: current.accentPressed
    readonly property color accentSoft: current.accentSoft
    readonly property color textOnAccent: "#ffffff"
    readonly property color window: current.window
    readonly property color surface: current.surface
    readonly property color sunken: current.sunken
    readonly property color title: current.title
    readonly property color textOnTitle: current.onTitle
    readonly property color text: current.text
    readonly property color textMuted: current.textMuted
    readonly property color border: current.border
    readonly property color control: current.control
    readonly property color hover: current.hover
    readonly property color pressed: current.pressed
    readonly property color danger: "#d93025"
    readonly property bool dark: index === 1

    // Fonts that carry the scripts of every interface language on Debian
    // (Noto CJK covers Latin, Cyrillic, Chinese, Japanese and Korean).
    property string fontFamily: "Noto Sans CJK SC"
    readonly property int fontSize: 13
    readonly property int smallFontSize: 12
    readonly property int headingFontSize: 14
    readonly property int titleFontSize: 15

    readonly property int radius: 5
    readonly property int spacing: 8
    readonly property int margin: 16
    readonly property int controlHeight: 30
    readonly property int animationMs: 160

    // The font of an interface language, by the name the language gives itself.
    function fontFor(language) {
        if (language === "ру\u0301сский язы\u0301к") return "Times New Roman"
        if (language === "日本語") return "Noto Sans CJK JP"
        if (language === "한국어") return "Noto Sans CJK KR"
        return "Noto Sans CJK SC"
    }

    function image(name) { return TesselQuickImagePath + name + ".png" }
}
