.pragma library

// How the window names a program by its path: the file name, or the base
// name (the file name up to its first dot, as the program watcher compares
// programs). Windows paths under Wine may come with backslashes.
function fileName(path) {
    return String(path).replace(/\\/g, "/").split("/").pop()
}
function baseName(path) {
    var name = fileName(path)
    var dot = name.indexOf(".")
    return dot > 0 ? name.substring(0, dot) : name
}
