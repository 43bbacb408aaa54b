// The information window "frm_Info": program name, version, description, contact lines, the
// link to the web page and the licence. Opens beside the main window, growing in width.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace velnix::shell {

class PictureButton;
class Platform;

class InfoWindow : public QWidget {
    Q_OBJECT
  public:
    InfoWindow(Platform& platform, QWidget* mainWindow);

    // Places the window beside the main window and lets it grow to its width, step by step
    // while the event loop runs.
    void openBeside(const QWidget& mainWindow);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Image1_MouseMove();
    void Form_MouseMove();
    void Label5_Click();
    void growOneStep();

    Platform& platform_;
    PictureButton* image1_;
    PictureButton* image2_;
    QLabel* label5_;
    QTimer* opening_;
    int openingWidth_ = 0;  // twips
};

}  // namespace velnix::shell
