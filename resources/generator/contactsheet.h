#pragma once
// A contact sheet: every picture one edition shows in one language, at its
// real size, with its type, name and size, grouped by kind, so that the set
// can be reviewed at a glance.  Small pictures are shown a second time at
// three times their size.

#include "resources/manifest.h"

#include <QImage>

#include <functional>

namespace resources {

// load returns the decoded picture of a resource (null when it is missing).
QImage buildContactSheet(const Manifest& manifest, QChar edition, QChar language,
                         const std::function<QImage(const Picture&)>& load);

// The pictures one edition shows in one language: the entries shown in the
// edition that the language's type or the language-free set holds, twins
// included.
std::vector<Picture> picturesFor(const Manifest& manifest, QChar edition, QChar language);

}  // namespace resources
