// THGrid's accessors of the bar (its lines, captions and icons) and of its
// inner widgets.

#include "listcontrols/thgrid.h"

#include "listcontrols/thbar.h"
#include "listcontrols/thgridview.h"
#include "listcontrols/thpictures.h"
#include "listcontrols/thwidgets.h"
#include "platform/desktop/units.h"

int THGrid::UBound_linTHGrid() const
{
    return m_ultimaColunaGrid - 1;
}

int THGrid::UBound_lblTHGrid() const
{
    return m_ultimaColunaGrid - m_ultimaImagem - 1;
}

int THGrid::UBound_imgSelecionado() const
{
    return m_ultimaImagem;
}

int THGrid::UBound_imgSelecionado2() const
{
    return m_ultimaImagem;
}

void THGrid::Properties_linTHGrid(int sIndex, long& sX1, long& sX2) const
{
    const THBarra::Linha& l = m_barra->linha(sIndex);
    sX1 = l.x1Twips;
    sX2 = l.x2Twips;
}

void THGrid::Properties_lblTHGrid(int sIndex, long& sLeft, long& sWidth, int& sAlignment) const
{
    const THBarra::Rotulo& r = m_barra->rotulo(sIndex);
    sLeft = r.esquerdaTwips;
    sWidth = r.larguraTwips;
    sAlignment = r.alinhamento;
}

void THGrid::Properties_imgSelecionado(int sIndex, long& sLeft, QPixmap& sPicture, QString& sToolTipText,
                                       int& sMousePointer) const
{
    THPicture* p = m_barra->icone(sIndex);
    sLeft = platform::pixelsToTwips(p->x());
    sPicture = p->picture();
    sToolTipText = p->toolTip();
    sMousePointer = p->ponteiro();
}

void THGrid::Properties_imgSelecionado2(int sIndex, long& sLeft, QPixmap& sPicture) const
{
    THPicture* p = m_barra->icone2(sIndex);
    sLeft = platform::pixelsToTwips(p->x());
    sPicture = p->picture();
}

QString THGrid::Caption_lblTHGrid(int sIndex) const
{
    return m_barra->rotulo(sIndex).caption;
}

QString THGrid::Tag_lblTHGrid(int sIndex) const
{
    return m_barra->rotulo(sIndex).tag;
}

bool THGrid::Visible_imgSelecionado(int sIndex) const
{
    return !m_barra->icone(sIndex)->isHidden();
}

void THGrid::EventImageClick(int sColuna, std::optional<platform::dao::Bookmark> sBookmark, int sButton)
{
    Q_EMIT ImageClick(sColuna, sBookmark ? *sBookmark : Bookmark(), sButton);
}

QAbstractItemView* THGrid::innerGrid() const
{
    return m_grid;
}

QWidget* THGrid::fundo() const
{
    return m_fundo;
}

THPicture* THGrid::rowIcon(int e) const
{
    return (e >= 0 && e < static_cast<int>(m_rowIcons.size())) ? m_rowIcons[e] : nullptr;
}

THPicture* THGrid::hoverPicture(int k) const
{
    return (k >= 0 && k < static_cast<int>(m_hoverIcons.size())) ? m_hoverIcons[k] : nullptr;
}
