#include "seletor.h"

#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/searchtext.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The regular component at an item of an assembly.
QString ComponenteDoItem(long peca, const QString& item)
{
    return Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND "
                                                "ItemComponente = '%2' AND FlagOpcionalComponente = 0")
                                     .arg(peca)
                                     .arg(Modulo::TextoSQL(item)),
                                 {}, QVariant(0))
        .toString();
}

}  // namespace

std::vector<std::pair<QString, QString>> ExemplosSolicitacao(const demo::Summary& s)
{
    std::vector<std::pair<QString, QString>> e;
    const QString peca = QString::number(s.showcaseAssembly);
    if (s.showcaseAssembly > 0) {
        e.push_back({QStringLiteral("Observações do conjunto (anexos)"), QStringLiteral("0|PCA|") + peca});
        e.push_back({QStringLiteral("Observações de um jogo: quatro anexos"),
                     QStringLiteral("0|JRE|%1|%2").arg(s.kitWithFourAttachments).arg(peca)});
        e.push_back({QStringLiteral("Observações de um jogo para todo conjunto (GUIA.pdf)"),
                     QStringLiteral("0|JRE|%1|%2").arg(s.kitNoteEveryAssembly).arg(peca)});
        e.push_back({QStringLiteral("Observações: anexo que falta"), QStringLiteral("0|COM|%1|%2").arg(s.apostropheComponent).arg(peca)});
        e.push_back({QStringLiteral("Observações: item substituído"), QStringLiteral("0|COM|%1|-5||").arg(s.chainB)});
        e.push_back({QStringLiteral("Jogos de reparo de um item"),
                     QStringLiteral("1|%1|%2|%3|0").arg(peca, s.kitNotesItem, ComponenteDoItem(s.showcaseAssembly, s.kitNotesItem))});
        e.push_back({QStringLiteral("Aplicação do conjunto"), QStringLiteral("2|") + peca});
        e.push_back({QStringLiteral("Lista do carrinho"), QStringLiteral("3||0")});
        e.push_back({QStringLiteral("Opcionais de um item"),
                     QStringLiteral("4|%1|%2|%3|0").arg(peca, ComponenteDoItem(s.showcaseAssembly, s.notedAlternativeItem),
                                                        s.notedAlternativeItem)});
        e.push_back({QStringLiteral("Saída: imprimir figura e tabela"), QStringLiteral("5|%1|P|*|255").arg(peca)});
        e.push_back({QStringLiteral("Saída: gerar arquivo da figura, parte 1"), QStringLiteral("5|%1|G|F|0").arg(peca)});
    } else {
        e.push_back({QStringLiteral("Lista do carrinho"), QStringLiteral("3||0")});
    }
    e.push_back({QStringLiteral("Configurações"), QStringLiteral("8")});
    return e;
}

void ExecutaSeletor(const std::vector<std::pair<QString, QString>>& exemplos)
{
    QDialog d;
    d.setWindowTitle(QStringLiteral("Janela de detalhes: solicitações de exemplo"));
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(new QLabel(QStringLiteral("Escolha uma solicitação (duplo clique) ou digite outra:"), &d));
    auto* lista = new QListWidget(&d);
    for (const auto& [rotulo, pedido] : exemplos) {
        auto* item = new QListWidgetItem(QStringLiteral("%1    %2").arg(pedido, -18).arg(rotulo), lista);
        item->setData(Qt::UserRole, pedido);
    }
    lista->setMinimumSize(560, 320);
    layout->addWidget(lista);
    auto* texto = new QLineEdit(&d);
    texto->setPlaceholderText(QStringLiteral("por exemplo 2|1"));
    layout->addWidget(texto);
    auto* abrir = new QPushButton(QStringLiteral("Abrir"), &d);
    layout->addWidget(abrir);
    const auto abre = [&](const QString& pedido) {
        Modulo::gParametro = pedido;
        Modulo::ExibeJanelaDetalhe();
    };
    QObject::connect(lista, &QListWidget::itemDoubleClicked, &d,
                     [&](QListWidgetItem* i) { abre(i->data(Qt::UserRole).toString()); });
    QObject::connect(lista, &QListWidget::currentItemChanged, &d, [&](QListWidgetItem* i) {
        if (i)
            texto->setText(i->data(Qt::UserRole).toString());
    });
    QObject::connect(abrir, &QPushButton::clicked, &d, [&] { abre(texto->text()); });
    QObject::connect(texto, &QLineEdit::returnPressed, &d, [&] { abre(texto->text()); });
    d.exec();
}
