#pragma once
// The colours of the picture set.  They derive from the catalogue's own
// colour constants (&HBBGGRR values of its windows), so that windows built
// around the pictures can use the same ones: a panel that shows pictures
// drawn on Paper should be painted Paper, and so on.

#include <QColor>

namespace resources::palette {

// Brand blue, the catalogue's text colour &H914537.
inline QColor brand() { return QColor(0x37, 0x45, 0x91); }
// Darker shade of the brand blue, for shadows and pressed areas.
inline QColor navy() { return QColor(0x24, 0x2E, 0x66); }
// Steel blue, the catalogue's label colour &HA5743A.
inline QColor steel() { return QColor(0x3A, 0x74, 0xA5); }
// Lighter blue of lit toolbar buttons.
inline QColor lit() { return QColor(0x4F, 0x62, 0xB8); }
// Sky, the figure labels' background &HF2DFAC.
inline QColor sky() { return QColor(0xAC, 0xDF, 0xF2); }
// Mist, the pale blue &HF4E4DC.
inline QColor mist() { return QColor(0xDC, 0xE4, 0xF4); }
// Paper, the lists' background &HFEF9F3: the background of every picture that
// sits on a screen panel (labels, links, headers' surroundings, icons).
inline QColor paper() { return QColor(0xF3, 0xF9, 0xFE); }
// Cream, the closing window's background &HF1F9FF.
inline QColor cream() { return QColor(0xFF, 0xF9, 0xF1); }
// Amber accent of highlighted (lit) pictures.
inline QColor amber() { return QColor(0xF5, 0xB3, 0x35); }
// Grey text, the catalogue's &H808080.
inline QColor grey() { return QColor(0x80, 0x80, 0x80); }
// Ink for body text on light backgrounds.
inline QColor ink() { return QColor(0x1E, 0x25, 0x40); }

}  // namespace resources::palette
