#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

// What Qt's INI reader makes of a settings file before it turns values into
// QVariants: the text of every value, or the entries of a value that is a
// list, decoded exactly as QSettings decodes them (its line rules, quotes,
// comments, line continuations, and escapes with all their digits, of which
// only the low 16 bits count). A check that guesses differently from
// QSettings either lets a hostile value through or refuses what QSettings
// itself wrote, so this follows QSettings' reader step by step.
namespace IniStoredStrings {

// One entry per key line of the file, in file order (every line counts, also
// a key given twice: QSettings converts each of them). Where Qt versions
// split lines differently, the values of both readings are given.
QVector<QStringList> valuesOf(const QByteArray& file);

}  // namespace IniStoredStrings
