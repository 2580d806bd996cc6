#include "listcontrols/thbar.h"

#include "listcontrols/thcolumns.h"
#include "listcontrols/therrors.h"
#include "platform/desktop/units.h"

#include <QMouseEvent>
#include <QPainter>

QFont FonteArial9()
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(9);
    return f;
}

QFont FonteSansSerif12()
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(12);
    return f;
}

namespace {
const QString kOrigem = QStringLiteral("THBarra");

template <typename V>
void Confere(const V& v, int i, const char* nome)
{
    if (i < 0 || i >= static_cast<int>(v.size()))
        THErro::Levanta(THErro::ElementNotFound, kOrigem, QString::number(i) + QLatin1Char(' ') + QLatin1String(nome));
}
}  // namespace

THBarra::THBarra(QWidget* parent) : QWidget(parent), m_fonte(FonteArial9())
{
    setMouseTracking(true);
    setAutoFillBackground(false);
    m_rotulos.resize(1);
    m_linhas.resize(1);
    m_icones.push_back(novoIcone(false));
    m_icones2.push_back(novoIcone(true));
}

THPicture* THBarra::novoIcone(bool twin)
{
    auto* p = new THPicture(this);
    p->hide();
    if (twin)
        p->setPassaMouse(true);   // the highlight never takes the mouse from the icon beneath
    return p;
}

void THBarra::setCorFundo(const QColor& c)
{
    m_fundo = c;
    update();
}

THBarra::Rotulo& THBarra::rotulo(int i)
{
    Confere(m_rotulos, i, "lblTHGrid");
    return m_rotulos[i];
}

const THBarra::Rotulo& THBarra::rotulo(int i) const
{
    Confere(m_rotulos, i, "lblTHGrid");
    return m_rotulos[i];
}

THBarra::Linha& THBarra::linha(int i)
{
    Confere(m_linhas, i, "linTHGrid");
    return m_linhas[i];
}

const THBarra::Linha& THBarra::linha(int i) const
{
    Confere(m_linhas, i, "linTHGrid");
    return m_linhas[i];
}

THPicture* THBarra::icone(int i) const
{
    Confere(m_icones, i, "imgSelecionado");
    return m_icones[i];
}

THPicture* THBarra::icone2(int i) const
{
    Confere(m_icones2, i, "imgSelecionado2");
    return m_icones2[i];
}

void THBarra::carregaRotulo(int i)
{
    if (i < static_cast<int>(m_rotulos.size()))
        THErro::Levanta(THErro::AlreadyLoaded, kOrigem, QStringLiteral("lblTHGrid(%1)").arg(i));
    Rotulo r = m_rotulos[0];
    r.visivel = false;
    m_rotulos.resize(i + 1, r);
}

void THBarra::carregaLinha(int i)
{
    if (i < static_cast<int>(m_linhas.size()))
        THErro::Levanta(THErro::AlreadyLoaded, kOrigem, QStringLiteral("linTHGrid(%1)").arg(i));
    Linha l = m_linhas[0];
    l.visivel = false;
    m_linhas.resize(i + 1, l);
}

void THBarra::carregaIcone(int i)
{
    if (i < static_cast<int>(m_icones.size()))
        THErro::Levanta(THErro::AlreadyLoaded, kOrigem, QStringLiteral("imgSelecionado(%1)").arg(i));
    while (static_cast<int>(m_icones.size()) <= i) {
        THPicture* a = novoIcone(false);
        a->move(m_icones[0]->pos());
        a->setPonteiro(m_icones[0]->ponteiro());
        m_icones.push_back(a);
        THPicture* b = novoIcone(true);
        b->move(m_icones2[0]->pos());
        m_icones2.push_back(b);
    }
}

void THBarra::descarregaRotulos()
{
    m_rotulos.resize(1);
    m_rotulos[0].visivel = false;
    update();
}

void THBarra::descarregaLinhas()
{
    m_linhas.resize(1);
    m_linhas[0].visivel = false;
    update();
}

void THBarra::descarregaIcones()
{
    for (size_t i = 1; i < m_icones.size(); ++i) {
        Descarta(m_icones[i]);
        Descarta(m_icones2[i]);
    }
    m_icones.resize(1);
    m_icones2.resize(1);
    m_icones[0]->hide();
    m_icones2[0]->hide();
}

void THBarra::posicionaIcone(THPicture* icone, int esquerdaTwips, int topoTwips)
{
    icone->move(platform::twipsToPixels(esquerdaTwips), platform::twipsToPixels(topoTwips));
}

void THBarra::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_fundo.isValid())
        p.fillRect(rect(), m_fundo);
    for (const Linha& l : m_linhas) {
        if (!l.visivel)
            continue;
        p.setPen(l.cor);
        p.drawLine(platform::twipsToPixels(l.x1Twips), platform::twipsToPixels(l.y1Twips), platform::twipsToPixels(l.x2Twips), platform::twipsToPixels(l.y2Twips));
    }
    for (const Rotulo& r : m_rotulos) {
        if (!r.visivel || r.caption.isEmpty())
            continue;
        QFont f = m_fonte;
        f.setItalic(r.italico);
        p.setFont(f);
        p.setPen(r.cor);
        const QRect caixa(platform::twipsToPixels(r.esquerdaTwips), platform::twipsToPixels(r.topoTwips), platform::twipsToPixels(r.larguraTwips),
                          platform::twipsToPixels(r.alturaTwips));
        const Qt::Alignment h = r.alinhamento == 1 ? Qt::AlignRight : r.alinhamento == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        p.drawText(caixa, int(h | Qt::AlignVCenter | Qt::TextSingleLine), r.caption);
    }
}

void THBarra::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    int indice = -1;
    float x = static_cast<float>(pt.x());
    float y = static_cast<float>(pt.y());
    for (int i = 0; i < static_cast<int>(m_rotulos.size()); ++i) {
        const Rotulo& r = m_rotulos[i];
        const QRect caixa(platform::twipsToPixels(r.esquerdaTwips), platform::twipsToPixels(r.topoTwips), platform::twipsToPixels(r.larguraTwips),
                          platform::twipsToPixels(r.alturaTwips));
        if (r.visivel && caixa.contains(pt)) {
            indice = i;
            x -= static_cast<float>(caixa.left());
            y -= static_cast<float>(caixa.top());
            break;
        }
    }
    Q_EMIT mouseMovido(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()), x, y, indice);
}

void THBarra::mousePressEvent(QMouseEvent* e)
{
    m_pressionado = e->button() == Qt::LeftButton;
    e->accept();
}

void THBarra::mouseReleaseEvent(QMouseEvent* e)
{
    const bool era = m_pressionado;
    m_pressionado = false;
    if (era && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicado();
}
