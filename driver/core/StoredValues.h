#pragma once

#include <QPointF>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

class QSettings;

// Reading what a settings file says, which may be anything: a damaged disk,
// a hand edit or a hostile file. Each conversion gives a value only when the
// stored text really is one of its kind; otherwise the caller uses the value
// of a missing key. Values come either as the file's text or, after a write
// by this process, as the typed value QSettings keeps.
namespace StoredValues {

std::optional<int> toInt(const QVariant& stored);
// "true"/"false" (any case), "1"/"0", or a stored bool or number.
std::optional<bool> toBool(const QVariant& stored);
// A finite number within [low, high].
std::optional<double> toDouble(const QVariant& stored, double low, double high);
// A QRect within SaneGeometry's bounds with a width and a height: an empty
// or garbled selection would throw every pen position onto one edge.
std::optional<QRect> toRect(const QVariant& stored);
// A point with finite coordinates.
std::optional<QPointF> toPoint(const QVariant& stored);

// Most entries a program list may hold; more is a damaged file.
constexpr int kMaxArrayEntries = 4096;

// The "path" values of a QSettings array, read from the entries the file
// really holds (never trusting its "size" beyond them), in index order, at
// most kMaxArrayEntries, empty paths skipped. `damage` is set to what did not
// add up, empty when nothing.
QVariantList readPathArray(QSettings& settings, const QString& arrayName, QString* damage);

}  // namespace StoredValues
