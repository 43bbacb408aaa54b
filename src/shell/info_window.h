// The information window "frm_Info": program name, version, description, contact lines, the
// link to the web page and the licence. Opens beside the main window, growing in width.
#pragma once

#include <QWidget>

class QLabel;

namespace velnix::shell {

class PictureButton;
class Platform;

class InfoWindow : public QWidget {
    Q_OBJECT
  public:
    InfoWindow(Platform& platform, QWidget* mainWindow);

    // Places the window beside the main window and lets it grow to its width; blocks until
    // the animation has finished, as the user is meant to see it open.
    void openBeside(const QWidget& mainWindow);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Image1_MouseMove();
    void Form_MouseMove();
    void Label5_Click();

    Platform& platform_;
    PictureButton* image1_;
    PictureButton* image2_;
    QLabel* label5_;
};

}  // namespace velnix::shell
