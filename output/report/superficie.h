#pragma once
// The drawing surface of the report pages: the members the page layouts use,
// the same on paper and on the JPEG page canvas, in device units.
//
//   CurrentX, CurrentY   the current position: the top-left corner of the
//                        next text.  X counts from the left edge of the
//                        drawable area (the printable area on paper), Y from
//                        its top edge.
//   FontName, FontSize (points), FontBold, FontItalic, ForeColor
//   Print(text, endLine) writes the text with its top at CurrentY (its
//                        baseline at CurrentY + the font's ascent).  Staying
//                        on the line moves CurrentX to the end of the text;
//                        ending the line sets CurrentX to 0 and moves CurrentY
//                        down one line of the current font on this device.
//   PaintPicture         a picture drawn scaled into a rectangle.
//   NewPage, EndDoc, Page   printer only: the layouts never call them; the
//                        page model of saida.h does.
//   KillDoc              drops an unfinished document (nothing is printed).
//   TwipsPerPixelX       1440 / the device's dots per inch.
//
// Three surfaces: the page canvas (SuperficieTela, one 840 x 630 picture at
// 96 dpi, reused), the printer (SuperficieImpressora) and the recording
// surface of the tests (SuperficieGravacao).  Text is measured with the
// font's metrics on the device itself, so a line on paper is one line of the
// printer's font at the printer's resolution.

#include "platform/base/error.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class QPainter;
class QPaintDevice;

namespace saida {

// A file or device error of the output itself: a page file that cannot be
// written, a printer that cannot start or go on.  The report pages do not
// report it as their own errors: it ends the whole output at once.
class ErroDispositivo : public platform::Error {
public:
    using platform::Error::Error;
};

class Superficie {
public:
    virtual ~Superficie() = default;

    double CurrentX() const { return m_x; }
    double CurrentY() const { return m_y; }
    void SetCurrentX(double x) { m_x = x; }
    void SetCurrentY(double y) { m_y = y; }

    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    double FontSize() const { return m_fontSize; }
    void SetFontSize(double points);
    bool FontBold() const { return m_bold; }
    void SetFontBold(bool on);
    bool FontItalic() const { return m_italic; }
    void SetFontItalic(bool on);
    QColor ForeColor() const { return m_color; }
    void SetForeColor(const QColor& color) { m_color = color; }

    // Writes text at the current position (see the file comment).
    void Print(const QString& text, bool endLine);
    // The longest leading part of `text`, cut between characters, that is at
    // most `width` device units wide in the current font.
    QString FitText(const QString& text, double width);
    // Draws `picture` scaled into the rectangle (x, y, width, height).
    virtual void PaintPicture(const QImage& picture, double x, double y, double width, double height) = 0;

    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void KillDoc() = 0;
    virtual int Page() const = 0;

    virtual double TwipsPerPixelX() const = 0;

    // The font as set, and its metrics on this device.
    QFont Font() const;
    const QFontMetricsF& Metrics();

protected:
    // Draws one text with its top-left corner at (x, y).
    virtual void DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color) = 0;
    // The device the text is measured on.
    virtual QPaintDevice* MeasureDevice() = 0;
    // Forgets the metrics (after a font change or a new device).
    void FontChanged() { m_metrics.reset(); }
    // Back to the start of a page: position 0, 0; the font is kept.
    void Home()
    {
        m_x = 0;
        m_y = 0;
    }

private:
    double m_x = 0;
    double m_y = 0;
    QString m_fontName = QStringLiteral("Liberation Sans");
    double m_fontSize = 8.25;
    bool m_bold = false;
    bool m_italic = false;
    QColor m_color = Qt::black;
    std::optional<QFontMetricsF> m_metrics;
};

// The page canvas of the file modes: one 840 x 630 greyscale picture at 96
// dpi, white, reused for every page.  Limpa() makes it white again and puts
// the position at 0, 0.
class SuperficieTela final : public Superficie {
public:
    static constexpr int kLargura = 840;
    static constexpr int kAltura = 630;

    SuperficieTela();
    ~SuperficieTela() override;

    void PaintPicture(const QImage& picture, double x, double y, double width, double height) override;
    // The canvas has no pages of its own: the page model saves and clears it.
    void NewPage() override {}
    void EndDoc() override {}
    void KillDoc() override {}
    int Page() const override { return 1; }
    double TwipsPerPixelX() const override { return 15.0; }

    void Limpa();
    // The page as drawn so far (the painter is flushed first).
    const QImage& Imagem();

protected:
    void DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color) override;
    QPaintDevice* MeasureDevice() override;

private:
    QPainter& Pintor();

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
};

}  // namespace saida
