#include "platform/desktop/messagebox.h"

#include "platform/desktop/language.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

LanguageSource g_language = nullptr;

class QtMessageBoxes final : public MessageBoxes {
public:
    int Show(const QString& text, int style, const QString& title) override
    {
        QMessageBox box;
        box.setWindowTitle(title);
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        box.setText(shown);
        const int icon = style & 0x70;
        switch (icon) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        const int buttons = style & 0x7;
        QAbstractButton* second = nullptr;
        switch (buttons) {
        case vbOKCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            second = box.button(QMessageBox::Cancel);
            break;
        case vbYesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            second = box.button(QMessageBox::No);
            break;
        case vbYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            second = box.button(QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        }
        const ButtonTexts texts = messageBoxButtonTexts(messageBoxLanguage());
        const std::pair<QMessageBox::StandardButton, const QString*> captions[] = {
            {QMessageBox::Ok, &texts.ok}, {QMessageBox::Cancel, &texts.cancel},
            {QMessageBox::Yes, &texts.yes}, {QMessageBox::No, &texts.no}};
        for (const auto& [which, caption] : captions)
            if (QAbstractButton* b = box.button(which))
                b->setText(*caption);
        if ((style & vbDefaultButton2) && second)
            box.setDefaultButton(qobject_cast<QPushButton*>(second));
        switch (box.exec()) {
        case QMessageBox::Ok: return vbOK;
        case QMessageBox::Cancel: return vbCancel;
        case QMessageBox::Yes: return vbYes;
        case QMessageBox::No: return vbNo;
        default: return vbCancel;
        }
    }
};

MessageBoxes* g_fakeMessageBoxes = nullptr;

}  // namespace

MessageBoxes& messageBoxes()
{
    static QtMessageBoxes real;
    return g_fakeMessageBoxes ? *g_fakeMessageBoxes : real;
}

void setMessageBoxes(MessageBoxes* fake) { g_fakeMessageBoxes = fake; }

void setMessageBoxLanguageSource(LanguageSource source) { g_language = source; }

QString messageBoxLanguage() { return g_language ? g_language() : QString(); }

ButtonTexts messageBoxButtonTexts(const QString& language)
{
    if (language == QLatin1String("P"))
        return {QStringLiteral("OK"), QStringLiteral("Cancelar"), QStringLiteral("Sim"), QStringLiteral("Não")};
    if (language == QLatin1String("E"))
        return {QStringLiteral("Aceptar"), QStringLiteral("Cancelar"), QStringLiteral("Sí"), QStringLiteral("No")};
    return {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Yes"), QStringLiteral("No")};
}

}  // namespace platform
