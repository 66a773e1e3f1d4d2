.pragma library

// What the pictures and pages need to know about each model beyond what the
// device thread reports (the active area comes from OperateDev.getTableSize):
// how many express keys it has and on which side, whether it has a dial, and
// whether it is a pen display. Keys follow the models' key maps; a model
// that is not listed has no express keys and no dial.
var facts = {
    13000: { keys: 10, side: "left", dial: false },   // K10Plus V2
    14000: { keys: 4, side: "top", dial: false },     // K40 V2
    15000: { keys: 8, side: "left", dial: false },    // Lark A
    16000: { keys: 5, side: "left", dial: false },    // Lark B
    16001: { keys: 5, side: "left", dial: true },     // Lark C
    16004: { keys: 4, side: "left", dial: true },     // Lark D2B
    16006: { keys: 6, side: "left", dial: true },     // Lark D3B
    17000: { keys: 8, side: "left", dial: true },     // Mesa A
    18000: { keys: 6, side: "left", dial: true },     // Mesa B
    19000: { keys: 6, side: "left", dial: true },     // Fjord2 Pro
    23000: { keys: 8, side: "left", dial: true },     // Fjord 3&4
    23001: { keys: 6, side: "left", dial: false },    // Fjord 4Pro
    24000: { keys: 8, side: "left", dial: true }      // Fjord 5 (Fjord4's keys)
}

function isModel(devType) { return devType >= 13000 && devType <= 24001 }
function isPenDisplay(devType) { return devType >= 19000 }
function keyCount(devType) { return facts[devType] ? facts[devType].keys : 0 }
function hasDial(devType) { return facts[devType] ? facts[devType].dial : false }
function keySide(devType) { return facts[devType] ? facts[devType].side : "left" }
function hasKeySettings(devType) { return keyCount(devType) > 0 || hasDial(devType) }

