#pragma once

#include <QRectF>

// The Fjord2Pro's sensor bends the position near its edges; after the affine
// calibration the normalised position (nx, ny) is pushed back by an amount
// that grows towards the edge. (mx, my) is the pen position in millimetres
// that was mapped, area the active tablet area, angle the screen rotation.
void applyCalibrationEdgeCorrection(double& nx, double& ny, double mx, double my, const QRectF& area, int angle);
