#include "platform/desktop/proxycredentials.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace platform {
namespace {

class QtProxyCredentialsDialog final : public ProxyCredentialsDialog {
public:
    bool Ask(const QString& proxy, QString& user, QString& password) override
    {
        QDialog dialog(QApplication::activeWindow());
        dialog.setObjectName(QStringLiteral("ProxyCredentialsDialog"));
        dialog.setWindowTitle(QObject::tr("Proxy authentication"));
        auto* text = new QLabel(QObject::tr("The proxy %1 requires a user name and password.").arg(proxy));
        text->setWordWrap(true);
        auto* userEdit = new QLineEdit(user);
        userEdit->setObjectName(QStringLiteral("user"));
        auto* passwordEdit = new QLineEdit(password);
        passwordEdit->setObjectName(QStringLiteral("password"));
        passwordEdit->setEchoMode(QLineEdit::Password);
        auto* form = new QFormLayout;
        form->addRow(QObject::tr("User name:"), userEdit);
        form->addRow(QObject::tr("Password:"), passwordEdit);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(text);
        layout->addLayout(form);
        layout->addWidget(buttons);
        (user.isEmpty() ? userEdit : passwordEdit)->setFocus();
        if (dialog.exec() != QDialog::Accepted)
            return false;
        user = userEdit->text();
        password = passwordEdit->text();
        return true;
    }
};

ProxyCredentialsDialog* g_fake = nullptr;

}  // namespace

ProxyCredentialsDialog& proxyCredentialsDialog()
{
    static QtProxyCredentialsDialog real;
    return g_fake ? *g_fake : real;
}

void setProxyCredentialsDialog(ProxyCredentialsDialog* fake) { g_fake = fake; }

}  // namespace platform
