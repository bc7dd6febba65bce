#pragma once

#include <QSize>
#include <QString>

#include "core/sheet/measuredsummary.h"
#include "io/fileoutcome.h"

// The histogram of a batch's actual allowances: one panel per measured dimension, its bars,
// the two limits Esni and Esns marked, and the figures of the summary beneath.
namespace geardim {

// Writes it as PNG, all or nothing; the problem names the file.
FileDone writeAllowanceHistogram(const QString &path, const QSize &size, const MeasuredSummary &summary);

} // namespace geardim
