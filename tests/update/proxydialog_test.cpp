// The real proxy credentials dialog, answered by a timer as a user would.
#include "platform/desktop/proxycredentials.h"

#include "core/globals.h"

#include "support/qstringprinter.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Fills the dialog once it is up, then accepts or rejects it.
void answerLater(const QString& user, const QString& password, bool accept, QString* shownUser)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* u = dialog->findChild<QLineEdit*>(QStringLiteral("user"));
        auto* p = dialog->findChild<QLineEdit*>(QStringLiteral("password"));
        ASSERT_TRUE(u && p);
        *shownUser = u->text();
        EXPECT_EQ(p->echoMode(), QLineEdit::Password);
        u->setText(user);
        p->setText(password);
        accept ? dialog->accept() : dialog->reject();
    });
}

}  // namespace

TEST(ProxyDialog, ReturnsWhatTheUserEnteredOrCancel)
{
    platform::setProxyCredentialsDialog(nullptr);
    QString shown;
    QString user = QStringLiteral("stored"), password;
    answerLater(QStringLiteral("ana"), QStringLiteral("segredo"), true, &shown);
    EXPECT_TRUE(platform::proxyCredentialsDialog().Ask(QStringLiteral("http://proxy:3128"), user, password));
    EXPECT_EQ(shown, QStringLiteral("stored"));
    EXPECT_EQ(user, QStringLiteral("ana"));
    EXPECT_EQ(password, QStringLiteral("segredo"));

    answerLater(QStringLiteral("x"), QStringLiteral("y"), false, &shown);
    EXPECT_FALSE(platform::proxyCredentialsDialog().Ask(QStringLiteral("http://proxy:3128"), user, password));
    EXPECT_EQ(user, QStringLiteral("ana")) << "a cancelled dialog changes nothing";
}

TEST(ProxyDialog, SpeaksTheRunsLanguage)
{
    platform::setProxyCredentialsDialog(nullptr);
    const QString idioma = Modulo::gIdioma;
    struct Case {
        const char* language;
        const char* title;
        const char* userLabel;
        const char* ok;
    };
    const Case cases[] = {
        {"P", "Autenticação do proxy", "Usuário:", "OK"},
        {"E", "Autenticación del proxy", "Usuario:", "Aceptar"},
        {"I", "Proxy authentication", "User name:", "OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Modulo::gIdioma = QString::fromLatin1(c.language);
        QString title, labels, ok;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            for (const QLabel* l : dialog->findChildren<QLabel*>())
                labels += l->text() + QLatin1Char('|');
            ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            dialog->reject();
        });
        QString user, password;
        platform::proxyCredentialsDialog().Ask(QStringLiteral("http://proxy:3128"), user, password);
        EXPECT_EQ(title, QString::fromUtf8(c.title));
        EXPECT_TRUE(labels.contains(QLatin1Char('|') + QString::fromUtf8(c.userLabel) + QLatin1Char('|'))) << labels.toStdString();
        EXPECT_EQ(ok, QString::fromUtf8(c.ok));
    }
    Modulo::gIdioma = idioma;
}
