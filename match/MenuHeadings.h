#pragma once
// The main window's heading pictures in the current language: the product
// heading ("Cap" + picture code) and the club heading ("Elite" + code for the
// local club, "Net__" + code for the network club), recoloured into the
// chosen colour variant 1..7. A recoloured picture is kept until the
// language, the club or the variant changes, so the menu's frequent repaints
// cost nothing. A picture the resources lack is empty and simply not drawn.

#include <QImage>
#include <QString>

namespace quarn {

class MenuHeadings {
  public:
    const QImage &product(int variant);
    const QImage &club(bool network, int variant);

    // The variant after a click on a heading: 1, 2, ..., 7, 1.
    static int nextVariant(int variant) { return variant >= 1 && variant < 7 ? variant + 1 : 1; }

  private:
    struct Entry {
        QString name;
        int variant = 0;
        QImage picture;
    };
    static const QImage &cached(Entry &entry, const QString &name, int variant);

    Entry product_;
    Entry club_;
};

} // namespace quarn
