#pragma once

#include <QObject>

class QMainWindow;

namespace tovalo::ui {

// Opens the first menu of a window's menu bar from the keyboard: with F10, or with the
// Alt key pressed and released alone. The captions stay as they are, without access keys.
class MenuKeys : public QObject {
    Q_OBJECT
public:
    explicit MenuKeys(QMainWindow &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openMenuBar();

    QMainWindow &window_;
    bool altAlone_ = false; // Alt is down and no other key came since
};

} // namespace tovalo::ui
