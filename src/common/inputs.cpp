#include "common/inputs.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QValidator>

namespace orbadil {

namespace {

class EnterMovesFocus : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
    }
};

class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

void moveFocusOnEnter(QWidget* widget) {
    widget->installEventFilter(new EnterMovesFocus(widget));
}

QPushButton* commandButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(true);
    return button;
}

void addLabelledRow(QFormLayout* form, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, form->parentWidget());
    label->setBuddy(field);
    form->addRow(label, field);
}

void digitsOnly(QLineEdit* edit) {
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
}

void forceUpperCase(QLineEdit* edit) {
    edit->setValidator(new UpperCaseValidator(edit));
}

}  // namespace orbadil
