#pragma once
// Small helpers of the assembly view's control code: a control's free text
// (the design's Tag, kept in the dynamic property "Tag"), the hourglass
// pointer for the length of a block, and a control's own visibility flag.

#include "core/janelas.h"

#include <QString>
#include <QVariant>
#include <QWidget>

namespace Conjunto {

inline QString Tag(const QObject* o) { return o ? o->property("Tag").toString() : QString(); }
inline void DefineTag(QObject* o, const QString& tag)
{
    if (o)
        o->setProperty("Tag", tag);
}

// Visible as the design reads it: the control's own flag, whether or not its
// container is shown.
inline bool Visivel(const QWidget* w) { return w && !w->isHidden(); }

// The hourglass pointer until the end of the block (core/janelas.h).
using Modulo::Ampulheta;

}  // namespace Conjunto
