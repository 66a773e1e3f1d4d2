.pragma library

// How the window names a program by its path: the file name, or the base
// name (the file name up to its first dot, as the program watcher compares
// programs). Windows paths under Wine may come with backslashes. A Flatpak
// or Snap program ("flatpak:org.kde.krita") is shown by its id.
function sandboxedId(path) {
    var match = /^(flatpak|snap):([^\/]+)$/.exec(String(path))
    return match ? match[2] : ""
}
function fileName(path) {
    var id = sandboxedId(path)
    if (id !== "") return id
    return String(path).replace(/\\/g, "/").split("/").pop()
}
function baseName(path) {
    var id = sandboxedId(path)
    if (id !== "") return id
    var name = fileName(path)
    var dot = name.indexOf(".")
    return dot > 0 ? name.substring(0, dot) : name
}
