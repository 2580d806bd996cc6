#pragma once
// The proxy credentials dialog behind an interface: the program shows a real
// Qt dialog, tests install a fake that records the question and answers.
// Same pattern as messagebox.h.

#include <QString>

namespace platform {

class ProxyCredentialsDialog {
public:
    virtual ~ProxyCredentialsDialog() = default;
    // Asks for the user name and password of `proxy` (shown to the user).
    // `user` and `password` come in with the values to propose and go out
    // with what was entered.  True when the user chose to try again with
    // them, false when the user cancelled.
    virtual bool Ask(const QString& proxy, QString& user, QString& password) = 0;
};

ProxyCredentialsDialog& proxyCredentialsDialog();
void setProxyCredentialsDialog(ProxyCredentialsDialog* fake);

}  // namespace platform
