#include "detailwindow/escolhasaida.h"

namespace {
constexpr int kColunas = 10;
constexpr int kPassoX = 40;
constexpr int kPassoY = 35;
constexpr int kMargemQuadro = 4;
}  // namespace

void EscolhaSaida::imgParteFigura_Click(int i)
{
    if (i < 0 || i >= static_cast<int>(Partes.size()))
        return;
    ParteFiguraSaida& p = Partes[static_cast<std::size_t>(i)];
    p.Selecionada = !p.Selecionada;
    ModoSelecaoPartes = p.Selecionada ? kSelecionando : kDesmarcando;
}

void EscolhaSaida::imgParteFigura_DblClick(int) { ModoSelecaoPartes = kSemPintura; }

bool EscolhaSaida::imgParteFigura_MouseMove(int i, const QString& chaveDestaque)
{
    if (i < 0 || i >= static_cast<int>(Partes.size()) || ChaveParte(i) == chaveDestaque)
        return false;
    ParteFiguraSaida& p = Partes[static_cast<std::size_t>(i)];
    if (ModoSelecaoPartes == kSelecionando)
        p.Selecionada = true;
    else if (ModoSelecaoPartes == kDesmarcando)
        p.Selecionada = false;
    return true;
}

QString EscolhaSaida::ChaveParte(int i) { return QStringLiteral("PARTEFIGURA") + QString::number(i); }

std::vector<int> EscolhaSaida::PartesSelecionadas() const
{
    std::vector<int> r;
    for (std::size_t i = 0; i < Partes.size(); ++i)
        if (Partes[i].Selecionada)
            r.push_back(static_cast<int>(i));
    return r;
}

QPoint EscolhaSaida::PosicaoParte(int i, QPoint parte0)
{
    return parte0 + QPoint(kPassoX * (i % kColunas), kPassoY * (i / kColunas));
}

QPoint EscolhaSaida::PosicaoQuadro(int i, QPoint parte0)
{
    return PosicaoParte(i, parte0) - QPoint(kMargemQuadro, kMargemQuadro);
}
