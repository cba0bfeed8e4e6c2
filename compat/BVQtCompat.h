#pragma once

// The few places where Qt 5.15 and Qt 6 differ, behind one name each, so the
// rest of the sources build unchanged against either toolkit. Internal: not
// installed, and never included by a public header.

#include <QEnterEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <QtGlobal>

#include <cmath>

namespace BVQtCompat {

// QWidget::enterEvent's parameter: Qt 6 passes the pointer position along.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif

// The integer device pixel ratio that images are made at and tagged with.
// Qt 5 reports one itself (the scale truncated). Qt 6 reports the real,
// possibly fractional, scale: round it up, so that an image never has fewer
// pixels than the device shows it on and is only ever scaled down. The
// tolerance keeps a ratio computed as 2.0000001 at 2.
inline int IntegerDevicePixelRatio(const QPaintDevice& device)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const int ratio = int(std::ceil(device.devicePixelRatio() - 1e-6));
    return ratio > 1 ? ratio : 1;
#else
    return device.devicePixelRatio();
#endif
}

inline int IntegerDevicePixelRatio(const QPaintDevice* device)
{
    return IntegerDevicePixelRatio(*device);
}

// ---- The wheel's renders ----

// How a first fill goes onto clear pixels. On Qt 5, Source leaves there the
// very pixels SourceOver would, without reading what was there. Qt 6 rounds
// some edge pixels of a Source fill a level apart, so it keeps SourceOver.
constexpr QPainter::CompositionMode kOntoClear = QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    ? QPainter::CompositionMode_Source
    : QPainter::CompositionMode_SourceOver;

// Whether a paint job on this thread may share its parts out over `pool`.
// Qt 6 splits a large fill over the global pool by itself, except on the
// pool's own threads, and a split fill rounds a few pixels a level apart
// from a whole one: so there only a pool thread shares parts out.
inline bool MayShareParts(const QThreadPool& pool)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return pool.contains(QThread::currentThread());
#else
    Q_UNUSED(pool)
    return true;
#endif
}

} // namespace BVQtCompat
