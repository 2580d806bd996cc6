#include "platform/desktop/proxycredentials.h"

#include "platform/desktop/language.h"
#include "platform/desktop/messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {
namespace {

class QtProxyCredentialsDialog final : public ProxyCredentialsDialog {
public:
    bool Ask(const QString& proxy, QString& user, QString& password) override
    {
        // In the run's language, as the message boxes.
        const QString language = messageBoxLanguage();
        const auto say = [&](const char* portuguese, const char* spanish, const char* english) {
            return textForLanguage(language, portuguese, spanish, english);
        };
        QDialog dialog(QApplication::activeWindow());
        dialog.setObjectName(QStringLiteral("ProxyCredentialsDialog"));
        dialog.setWindowTitle(say("Autenticação do proxy", "Autenticación del proxy", "Proxy authentication"));
        auto* text = new QLabel(say("O proxy %1 pede um nome de usuário e uma senha.",
                                    "El proxy %1 requiere un nombre de usuario y una contraseña.",
                                    "The proxy %1 requires a user name and password.")
                                    .arg(proxy));
        text->setWordWrap(true);
        auto* userEdit = new QLineEdit(user);
        userEdit->setObjectName(QStringLiteral("user"));
        auto* passwordEdit = new QLineEdit(password);
        passwordEdit->setObjectName(QStringLiteral("password"));
        passwordEdit->setEchoMode(QLineEdit::Password);
        auto* form = new QFormLayout;
        form->addRow(say("Usuário:", "Usuario:", "User name:"), userEdit);
        form->addRow(say("Senha:", "Contraseña:", "Password:"), passwordEdit);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        const ButtonTexts captions = messageBoxButtonTexts(language);
        buttons->button(QDialogButtonBox::Ok)->setText(captions.ok);
        buttons->button(QDialogButtonBox::Cancel)->setText(captions.cancel);
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

ProxyCredentialsDialog* g_fakeProxyCredentials = nullptr;

}  // namespace

ProxyCredentialsDialog& proxyCredentialsDialog()
{
    static QtProxyCredentialsDialog real;
    return g_fakeProxyCredentials ? *g_fakeProxyCredentials : real;
}

void setProxyCredentialsDialog(ProxyCredentialsDialog* fake) { g_fakeProxyCredentials = fake; }

}  // namespace platform
