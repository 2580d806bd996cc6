// tqsearch: see tqsearch.h.

#include "tools/tqsearch/tqsearch.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    return tqsearch::Executa(app.arguments().mid(1), out, err);
}
