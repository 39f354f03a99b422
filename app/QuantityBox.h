#pragma once

#include <QLineEdit>

namespace zelvano::app {

// The box the user types a quantity into. It holds at most kMaxLength
// characters, and the keypad's decimal key types the decimal separator of the
// numbers' locale, whatever the keyboard layout puts on that key.
class QuantityBox final : public QLineEdit {
    Q_OBJECT

public:
    // Every number a user can mean fits: a double's 17 significant digits
    // with sign, decimal separator, group separators and exponent take under
    // 40 characters, and written out positionally 100 characters reach from
    // 1E-90 to 1E+70. The bound also keeps a pasted page of text small, in
    // the box, in its undo history and in the equal-units copy.
    static constexpr int kMaxLength = 100;

    explicit QuantityBox(const QString& text, QWidget* parent = nullptr);

    void setDecimalSeparator(const QString& separator) { decimalSeparator_ = separator; }
    const QString& decimalSeparator() const { return decimalSeparator_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString decimalSeparator_ = QStringLiteral(".");
};

} // namespace zelvano::app
