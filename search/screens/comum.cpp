#include "search/screens/comum.h"

#include "core/globals.h"
#include "core/texts.h"
#include "mainwindow/frmTQ1.h"
#include "platform/desktop/messagebox.h"

namespace Pesquisa::Interno {

bool EdicaoTiposCombo() { return Modulo::gEdicao == QLatin1String("D") || Modulo::gEdicao == QLatin1String("M"); }

bool EdicaoM() { return Modulo::gEdicao == QLatin1String("M"); }

QString Largura(int pixels) { return QString::number(Modulo::PixelsParaTwips(pixels, QStringLiteral("W"))); }

bool TemLinhaAtual(const platform::dao::RecordsetPtr& rs)
{
    return rs && rs->IsOpen() && !rs->BOF() && !rs->EOF_();
}

QVariant Campo(const platform::dao::RecordsetPtr& rs, const QString& nome)
{
    if (!TemLinhaAtual(rs) || rs->FieldIndex(nome) < 0)
        return {};
    return rs->Value(nome);
}

QString CampoTexto(const platform::dao::RecordsetPtr& rs, const QString& nome)
{
    const QVariant v = Campo(rs, nome);
    return platform::dao::IsNull(v) ? QString() : v.toString();
}

long CampoCodigo(const platform::dao::RecordsetPtr& rs, const QString& nome, long padrao)
{
    const QVariant v = Campo(rs, nome);
    if (platform::dao::IsNull(v))
        return padrao;
    bool ok = false;
    const long n = long(v.toLongLong(&ok));
    return ok ? n : padrao;
}

void CaixaCritica(long texto)
{
    platform::MsgBox(Modulo::ObtemTexto(texto) + QLatin1Char('.'), platform::vbCritical, Modulo::ObtemTexto(19));
}

void LeEDeixaTelaOrigem(frmTQ1& f, quint8 origem, QChar tela, const std::function<void()>& le)
{
    try {
        le();
    } catch (...) {
        if (origem == 3)
            f.mHistoricoTelas += QLatin1Char('3');
        throw;
    }
    switch (origem) {
    case 0:
        f.mHistoricoTelas += tela;
        f.EscondeInicio();
        break;
    case 9:
        f.mHistoricoTelas += tela;
        f.EscondeSelecaoComparacao();
        break;
    case 3: f.EscondeListaPecas(); break;
    default: break;
    }
}

}  // namespace Pesquisa::Interno
