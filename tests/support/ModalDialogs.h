#pragma once
// Answers modal dialogs and message boxes in widget tests. QDialog::exec()
// blocks the test, so the answer is given from a short polling timer that
// waits for QApplication::activeModalWidget() to appear.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace cyclo::test {

// Calls `answer` with the first modal widget that shows up (polling every
// 10 ms, giving up after `timeoutMs`). Keep the returned object alive until
// the modal loop has returned; `answered()` tells whether it ran.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer, int timeoutMs = 5000)
        : answer_(std::move(answer)), timeoutMs_(timeoutMs)
    {
        elapsed_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    [[nodiscard]] bool answered() const { return answered_; }
    // The modal widget's window title and, for message boxes, its text and
    // icon, as seen when it was answered.
    [[nodiscard]] const QString& title() const { return title_; }
    [[nodiscard]] const QString& text() const { return text_; }
    [[nodiscard]] QMessageBox::Icon icon() const { return icon_; }

private:
    void poll()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer_.stop();
            answered_ = true;
            title_ = modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                text_ = box->text();
                icon_ = box->icon();
            }
            answer_(modal);
        } else if (elapsed_.elapsed() > timeoutMs_) {
            timer_.stop();
        }
    }

    std::function<void(QWidget*)> answer_;
    int timeoutMs_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    bool answered_ = false;
    QString title_;
    QString text_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
};

// Presses the message box button with the given role (or closes any other
// modal widget with reject()).
inline std::function<void(QWidget*)> pressButton(QMessageBox::StandardButton button)
{
    return [button](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* b = box->button(button)) {
                b->click();
                return;
            }
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    };
}

} // namespace cyclo::test
