#pragma once
// The profile editor: the fourteen profile texts of the own account ("Update
// info" saves them), and the photo: clicking it chooses a JPEG of exactly
// 200 x 250 pixels, "Refresh photo" uploads it as the own photo and shows it
// once the server serves it (the server checks an upload before it serves
// it). Both requests run on the request runner off the window's thread;
// closing the window cancels them.

#include "ui/TWemAuxForm.h"
#include "web/Account.h"
#include "web/view/AccountTalk.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace web {
class WebClient;
}

namespace quarn {

class RequestProgress;
class RequestRunner;

class TFAcc2 : public TWemAuxForm {
    Q_OBJECT
  public:
    TFAcc2(const AuxContext &context, web::WebClient &client, web::Account &account,
           AccountTalk talk, RequestRunner &requests, QWidget *parent = nullptr);
    ~TFAcc2() override;

    QLineEdit *field(int index) const { return fields_.at(std::size_t(index)); }
    QPushButton *photoButton() const { return photo_; }
    QPushButton *refreshPhotoButton() const { return refreshPhoto_; }
    QPushButton *updateInfoButton() const { return updateInfo_; }
    // The picture chosen and not yet sent.
    const QString &chosenFile() const { return chosen_; }

    // A picture file the program accepts as a photo: a JPEG of exactly 200 x 250.
    static bool isAcceptablePhoto(const QString &file);

    // True while a request of the window has not come back.
    bool requestsRunning() const;
    const RequestProgress &progress() const { return *progress_; }

  protected:
    void done(int result) override;

  private:
    void choosePhoto();
    void refreshPhoto();
    void updateInfo();
    void showPhoto(const QImage &photo);

    web::WebClient &client_;
    web::Account &account_;
    RequestRunner &requests_;
    RequestProgress *progress_ = nullptr;
    AccountTalk talk_;
    std::array<QLineEdit *, 14> fields_{};
    QPushButton *photo_ = nullptr;
    QPushButton *refreshPhoto_ = nullptr;
    QPushButton *updateInfo_ = nullptr;
    QString chosen_;
};

} // namespace quarn
