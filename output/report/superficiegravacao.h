#pragma once
// The recording surface: draws nothing, keeps every operation the layouts
// perform, in order, with the page it fell on.  Text is measured with the
// font's metrics at the resolution given (96 dpi by default), exactly as the
// canvas and a printer of that resolution measure it, so positions recorded
// here are the positions those devices draw at.
//
// Tests read the operations; the benchmark replays a page onto any painter
// (Reproduz) to time the drawing alone.

#include "output/report/superficie.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

class QPainter;

namespace saida {

struct Operacao {
    enum Tipo { Texto, Figura, NovaPagina, FimDocumento, Cancelamento };
    Tipo tipo = Texto;
    int pagina = 1;
    double x = 0;
    double y = 0;
    // Texto
    QString texto;
    bool fimLinha = false;
    double tamanho = 0;
    bool negrito = false;
    bool italico = false;
    QColor cor;
    QString fonte;
    // Figura; for a text, the width of the text drawn
    double largura = 0;
    double altura = 0;
    QImage figura;
};

class SuperficieGravacao final : public Superficie {
public:
    explicit SuperficieGravacao(int dpi = 96);
    ~SuperficieGravacao() override;

    void PaintPicture(const QImage& picture, double x, double y, double width, double height) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() override;
    int Page() const override { return m_page; }
    double TwipsPerPixelX() const override { return 1440.0 / m_dpi; }

    int Dpi() const { return m_dpi; }
    const std::vector<Operacao>& Operacoes() const { return m_ops; }
    // The texts in order, optionally of one page only (0: all pages).
    std::vector<const Operacao*> Textos(int pagina = 0) const;
    // The first text operation whose text is `texto` (nullptr when none).
    const Operacao* Procura(const QString& texto) const;
    // Number of pages drawn on (the page of the last operation).
    int Paginas() const { return m_page; }

    // Draws the operations of page `pagina` on `painter`, whose device should
    // have this surface's resolution.
    void Reproduz(QPainter& painter, int pagina) const;

protected:
    void DrawText(double x, double y, const QString& text, const QFont& font, const QColor& color) override;
    QPaintDevice* MeasureDevice() override { return &m_device; }

private:
    int m_dpi;
    QImage m_device;
    int m_page = 1;
    std::vector<Operacao> m_ops;
};

}  // namespace saida
