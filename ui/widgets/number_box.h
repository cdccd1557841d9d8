#pragma once

#include <QLineEdit>

namespace tovalo::ui {

// A one-line box for a number: typing goes in directly, without an input method, and
// it reports a change only when its text really changes.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(QWidget *parent = nullptr);

signals:
    void changed();

private:
    QString last_;
};

} // namespace tovalo::ui
