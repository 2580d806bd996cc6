// The repair-kit combo of screens 4 and 5.

#include "assembly/vistaconjunto.h"

#include "assembly/consultas.h"

#include "core/globals.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "platform/base/doevents.h"

namespace Conjunto {

using platform::dao::RecordsetPtr;

namespace {

QString Twips(int pixels) { return QString::number(Modulo::PixelsParaTwips(pixels, QStringLiteral("W"))); }

}  // namespace

RecordsetPtr VistaConjunto::RsCombo() const
{
    RecordsetPtr rs = c.dtcTHCombo2 ? c.dtcTHCombo2->Recordset() : nullptr;
    return rs && rs->IsOpen() ? rs : nullptr;
}

std::int64_t VistaConjunto::CodigoJogoReparoAtual() const
{
    const RecordsetPtr rs = RsCombo();
    if (!rs || rs->EOF_() || rs->BOF())
        return 0;
    return rs->Value(QStringLiteral("CodigoJogoReparo")).toLongLong();
}

void VistaConjunto::ConfiguraComboJogosReparo()
{
    THCombo* cbo = c.cboTHCombo2;
    cbo->mUserControlPixelWidth = 440;
    int x = 0, y = 0;
    Modulo::ObtemPosicaoNoForm(c.pctTela4, x, y);
    cbo->Move(x + 259, y + 61, 440, cbo->height());
    if (m_iconesCombo[0].empty())
        for (const char* nome : {"ICOSELECIONAR", "ICOOBSERVACAO"}) {
            m_iconesCombo[0].push_back(Modulo::CarregaImagemRecurso(QLatin1String(nome), QStringLiteral("G")));
            m_iconesCombo[1].push_back(Modulo::CarregaImagemRecurso(QLatin1String(nome) + QStringLiteral("_S"), QStringLiteral("G")));
        }
    const THPictures& figuras = m_iconesCombo;
    const QStringList specs{
        QStringLiteral("ImagensGrid|2|") + Twips(22) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(101) + QStringLiteral("|99"),
        QStringLiteral("NumeroEmpresaJogoReparo|0|") + Twips(93) + QStringLiteral("|T|6"),
        QStringLiteral("DescricaoJogoReparo|0|") + Twips(268) + QStringLiteral("|T|6"),
        QStringLiteral("|0|") + Twips(44) + QStringLiteral("|I|6|") + Modulo::ObtemTexto(8) + QStringLiteral("|99"),
    };
    cbo->ObtemDataControl(c.dtcTHCombo2);
    cbo->ObtemPictures(figuras);
    cbo->ConfiguraColunas(specs.join(QLatin1Char(';')).split(QLatin1Char(';')));
}

void VistaConjunto::CarregaComboJogosReparo(const QString& TextoTodos)
{
    const QString sql = ConsultaComboJogos(m.mCodigoPeca, TextoTodos, Modulo::gIdioma);
    c.cboTHCombo2->AnalisarScollProximoRefresh();
    c.dtcTHCombo2->SetRecordSource(sql);
    c.dtcTHCombo2->Refresh();
}

void VistaConjunto::cboTHCombo2_Click()
{
    platform::DoEvents();
    const int tela = TelaAtual();
    const std::int64_t jogo = CodigoJogoReparoAtual();
    if (tela == 4) {
        c.cboTHCombo2->VisiblePctTexto(jogo == 0, c.cboTHCombo2->Tag(), 1);
        DestacaJogoReparoFigura(jogo);
    } else if (tela == 5) {
        c.cboTHCombo2->VisiblePctTexto(jogo == 0, c.cboTHCombo2->Tag(), 1);
        AtualizaGridComponentes(t.grdTHGrid1->Tag(), QString(), true, true);
    }
    m_janela.PosicionaFocoTela();
}

void VistaConjunto::cboTHCombo2_ImageClick(int sColuna, int sButton)
{
    Q_UNUSED(sButton);
    platform::DoEvents();
    THCombo* cbo = c.cboTHCombo2;
    cbo->mNaoFecharExitFocus = true;
    struct Restaura {
        THCombo* cbo;
        ~Restaura() { cbo->mNaoFecharExitFocus = false; }
    } restaura{cbo};
    const std::int64_t jogo = CodigoJogoReparoAtual();
    if (sColuna == 0)
        m_janela.IncluiItemCarrinho(QStringLiteral("JRE"), jogo, QStringLiteral("1"), false, true);
    else if (sColuna == 1)
        m_janela.AbreJanelaSecundaria(0, QStringLiteral("JRE|%1|%2").arg(jogo).arg(m.mCodigoPeca));
    platform::DoEvents();
    cbo->setFocus();
}

void VistaConjunto::cboTHCombo2_MouseMove()
{
    m_janela.DestacaControle(QStringLiteral(">THCOMBO2"));
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_COMBO2"));
}

}  // namespace Conjunto
