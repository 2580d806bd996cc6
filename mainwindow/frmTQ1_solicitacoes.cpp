// The detail-window opener, the output requests, the cart-list and update
// buttons, and the issue-date label of the main window.
#include "mainwindow/frmTQ1.h"

#include "core/config.h"
#include "core/database.h"
#include "core/dates.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/janelas.h"
#include "core/texts.h"
#include "platform/base/doevents.h"
#include "platform/desktop/messagebox.h"

void frmTQ1::AbreJanelaSecundaria(quint8 Codigo, const QString& Parametros)
{
    Modulo::DefinePonteiroTela(Modulo::vbHourglass);
    Modulo::gParametro = QString::number(Codigo);
    if (!Parametros.isEmpty())
        Modulo::gParametro += QLatin1Char('|') + Parametros;
    // The detail window runs the request, empties gParametro and resets the
    // pointer; nothing is read back here.
    Modulo::ExibeJanelaDetalhe();
}

void frmTQ1::SolicitaSaida(const QString& Modo)
{
    switch (CodigoTelaAtual()) {
    case 4:
        AbreJanelaSecundaria(5, QString::number(mCodigoPeca) + QLatin1Char('|') + Modo + QStringLiteral("|F|") +
                                    QString::number(mParteFiguraAtual));
        break;
    case 5:
        AbreJanelaSecundaria(5, QString::number(mCodigoPeca) + QLatin1Char('|') + Modo + QStringLiteral("|*|255"));
        break;
    default: break;
    }
}

void frmTQ1::imgImprimir_Click()
{
    if (CodigoTelaAtual() == 8) {
        const auto rs = dtcTHGrid1->Recordset();
        if (!rs || rs->EOF_()) {
            platform::MsgBox(Modulo::ObtemTexto(43) + QLatin1Char('.'), platform::vbCritical, Modulo::ObtemTexto(19));
            return;
        }
        AbreJanelaSecundaria(6, QString());
        return;
    }
    SolicitaSaida(QStringLiteral("P"));
}

void frmTQ1::imgGerarArquivo_Click() { SolicitaSaida(QStringLiteral("G")); }
void frmTQ1::imgEnviarEmail_Click() { SolicitaSaida(QStringLiteral("E")); }

// The cart list, with no item named: "3||0".
void frmTQ1::imgLista_Click() { AbreJanelaSecundaria(3, QStringLiteral("|0")); }

void frmTQ1::imgIcoAtualizar_Click()
{
    if (Modulo::ModoLimitado(true))
        return;
    Modulo::DefinePonteiroTela(Modulo::vbHourglass);
    IniciaVerificacaoAtualizacao(false);
    Modulo::DefinePonteiroTela(Modulo::vbDefault);
}

void frmTQ1::imgAtualizacao_Click() { MostraMenuAtualizacao(); }

void frmTQ1::AtualizaInfoUltimaAtualizacao(bool carregaUltimaVerificacao)
{
    using namespace Modulo;
    RecordsetPtr rs = AbreConsulta(QStringLiteral("SELECT ") + QStringLiteral("DataEmissao,") +
                                       QStringLiteral("ComplementoDataEmissao,") + QStringLiteral("DataUltimaVerificacao,") +
                                       QStringLiteral("FlagErroUltimaVerificacao ") + QStringLiteral("FROM ") +
                                       QStringLiteral("UMREGISTRO"),
                                   nullptr, platform::dao::dbOpenForwardOnly);
    // A record without values (or none at all) shows empty texts.
    const bool temLinha = rs && !rs->EOF_();
    const QVariant emissao = temLinha ? rs->Value(QStringLiteral("DataEmissao")) : QVariant();
    const QVariant complemento = temLinha ? rs->Value(QStringLiteral("ComplementoDataEmissao")) : QVariant();
    const QVariant verificacao = temLinha ? rs->Value(QStringLiteral("DataUltimaVerificacao")) : QVariant();
    const QVariant flag = temLinha ? rs->Value(QStringLiteral("FlagErroUltimaVerificacao")) : QVariant();
    FechaConsulta(rs);

    if (carregaUltimaVerificacao)
        mDataUltimaVerificacao = platform::dao::IsNull(verificacao) ? platform::dao::DayNumberToDate(1.0)
                                                                      : verificacao.toDateTime();
    gTextoDataEmissao = (platform::dao::IsNull(emissao) ? QString() : FormataData(emissao.toDateTime())) +
                        (platform::dao::IsNull(complemento) ? QString() : complemento.toString());
    lblUltimaAtualizacao->setText(gTextoDataEmissao);
    const QString dica = ObtemTexto(78) + QStringLiteral(": ") + gTextoDataEmissao;
    lblUltimaAtualizacao->setToolTip(dica);
    imgAtualizadoEm->setToolTip(dica);

    QString ultima;
    if (!platform::dao::IsNull(verificacao))
        ultima = ObtemTexto(flag.toInt() == 1 ? 72 : 79) + QStringLiteral(": ") +
                 FormataDataHora(verificacao.toDateTime());
    imgIcoAtualizar->setToolTip(ObtemTexto(80) + (ultima.isEmpty() ? QString() : QStringLiteral("  -  ") + ultima));
}

void frmTQ1::VoltaInicioComMensagem(const QString& Mensagem)
{
    Modulo::DefinePonteiroTela(Modulo::vbHourglass);
    platform::DoEvents();
    imgInicio_Click();
    platform::DoEvents();
    Modulo::DefinePonteiroTela(Modulo::vbDefault);
    if (!Mensagem.isEmpty())
        platform::MsgBox(Mensagem, platform::vbInformation, Modulo::ObtemTexto(19));
}

QRect frmTQ1::RetanguloMenu() const { return QRect(pctMenu->mapToGlobal(QPoint(0, 0)), pctMenu->size()); }
