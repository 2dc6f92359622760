#pragma once
// The pictures of the table: card faces, suit symbols, backs, the background,
// the tab, counter, plate and bank pictures, the title and menu pictures.
//
// Everything comes from named resources: the program's own, compiled in under
// ":/res/<kind>/<name>", and the resource libraries (WemCards06A.dll, ...)
// that lie beside the program or in its parent folder. A library is opened
// for one loading and released at once; when it is missing, the handler set
// with setMissingLibraryHandler() is told its file name and the built-in
// pictures are used, so the game always runs with its own resources alone.
//
//   Pictures pictures(programFolder);
//   pictures.setMissingLibraryHandler([&](const QString& file) { ...message... });
//   pictures.loadFaces(settings.faceSet, scaling);        // faces, then backs
//   pictures.loadBacks(settings.backSet, scaling);
//   pictures.loadBackground(2, 0, false, layout.client);
//   pictures.chooseBack(QDate::currentDate(), alwaysOne); // at every deal

#include "lang/Language.h"
#include "rules/Card.h"
#include "table/Scaling.h"

#include <QByteArray>
#include <QDate>
#include <QImage>
#include <QString>

#include <array>
#include <functional>
#include <random>
#include <vector>

namespace quarn {

// Registers the program's own pictures (safe to call more than once).
void initBuiltinPictures();

// The colours of the name plates.
enum class PlateColour : int { Yellow = 0, Green, Red, Blue, Grey };
inline constexpr int plateColourCount = 5;

// The four pointers of the program, and which of them a place asks for.
enum class PointerKind : int { Arrow = 0, Hand, Wait, Edit };

// One picture slot per card: slot = (rank - 1) * 4 + suit, 1..36.
int faceSlot(int suit, int rank);
int faceSlot(TStr2 card); // 0 for "##" and anything that is not a card

// The resource-name parts of the program's pictures.
QString faceResourceName(int suit, int rank, const QString &numberCode, const QString &courtCode,
                         const QString &aceCode, bool large);
QString suitResourceName(int suit, const QString &code, bool large);
QString backResourceName(int back, bool turned, const QString &code, bool large); // back 1..10

// Card-face sets 0..47: the library and the codes of their number cards,
// court cards, aces and suit symbols; a set is wide or narrow.
struct FaceSet {
    QString library; // empty for the built-in set 0
    QString code;
    QString numberCode;
    QString aceCode;
    QString suitCode;
    bool wide = true;
    // False for a set whose pictures are not shipped (its deck may not be
    // redistributed): choosing it falls back to the built-in set.
    bool shipped = true;
};
FaceSet faceSetInfo(int set); // a set outside 0..47 gives set 0

// Card-back sets 0..12.
QString backSetCode(int set);  // "" for set 0
int backCountOfSet(int set);   // 7, or 10 for sets 8 to 11
bool backSetIsRandom(int set); // sets 8 to 11 draw a random back

// The back (1..10) for a deal: the weekday (Monday 1 .. Sunday 7), always 7
// with "Always one", a random 1..10 for the random sets.
int backForDeal(int backSet, QDate day, bool alwaysOne, std::mt19937 &random);

// The main window's heading pictures in colour variant 1..7: 1 leaves them
// as they are, the others exchange or copy the red, green and blue bytes.
QImage recolourHeading(const QImage &picture, int variant);
QRgb recolourPixel(QRgb pixel, int variant);

// Resource library file names.
inline constexpr const char *cardsLibraryA = "WemCards06A.dll";
inline constexpr const char *cardsLibraryB = "WemCards06B.dll";
inline constexpr const char *cardsLibraryC = "WemCards06C.dll";
inline constexpr const char *backgroundLibrary = "WemBackG03.dll";
inline constexpr const char *graphicsLibrary = "WemCGraph1.dll";

class Pictures {
  public:
    explicit Pictures(QString programFolder);

    using MissingLibraryHandler = std::function<void(const QString &libraryFile)>;
    void setMissingLibraryHandler(MissingLibraryHandler handler) { missing_ = std::move(handler); }

    // Loads the 36 faces and the 4 suit symbols of a set for a scale; false
    // when its library is missing and set 0 was loaded instead (faceSet()
    // then reads 0). The backs follow the face set: load them afterwards.
    bool loadFaces(int set, const Scaling &scaling);
    // Loads the backs of a set; false when it fell back to set 0 (and the
    // faces, if they came from a library, were reloaded as set 0).
    bool loadBacks(int set, const Scaling &scaling);
    // Loads the table background (picture 1..10, colour variant 0..6) or the
    // "Purple" design's background, stretched to the client size except in
    // the small window. False when it fell back to "FonG".
    bool loadBackground(int picture, int variant, bool purple, QSize client);
    // The tab, counter, plate, bank and hand pictures for a scale.
    void loadTablePictures(const Scaling &scaling);

    // One named picture from a library (its file name), or from the
    // program's own pictures when library is empty. False when the library
    // cannot be opened; a name the library lacks gives a null picture.
    bool loadPicture(const QString &name, const QString &library, QImage &picture);
    bool loadJpeg(const QString &name, const QString &library, QImage &picture) {
        return loadPicture(name, library, picture);
    }
    // The bytes of a named animation (a GIF, for QMovie) from a library or the program.
    bool loadAnimation(const QString &name, const QString &library, QByteArray &data);

    // Picks the back of the next deal.
    void chooseBack(QDate day, bool alwaysOne);
    void chooseBack(int back);

    int faceSet() const { return faceSet_; }
    int backSet() const { return backSet_; }
    int background() const { return backgroundPicture_; }
    int backgroundVariant() const { return backgroundVariant_; }
    bool wideFaces() const { return faceSetInfo(faceSet_).wide; }
    // True when the faces are the large "B" pictures (scale 1.3 and above).
    bool largeFaces() const { return largeFaces_; }

    const QImage &face(TStr2 card) const;
    const QImage &face(int slot) const;
    const QImage &suitSymbol(int suit) const;
    const QImage &back() const;       // the back of the current deal
    const QImage &backTurned() const; // the same, turned sideways
    const QImage &backNumber(int back, bool turned = false) const;
    int currentBack() const { return currentBack_; }
    const QImage &backgroundImage() const { return background_; }

    const QImage &tab() const { return tab_; }
    const QImage &counter() const { return counter_; }
    const QImage &bank() const { return bank_; }
    const QImage &plate(PlateColour colour) const;
    // The small hand of the seat to move: pointing up (seats 1, 3) or right (2, 4).
    const QImage &handPointer(int seat) const;

    // Title screen and menu pictures (built in).
    static QImage logo();
    static QImage travellingPicture(int n); // 1..4
    static QImage menuPicture(int n);       // "PngMenu1", "PngMenu2", 280 x 480
    // The same, smoothly reduced for the menu's 140 x 240 base box at a scale.
    static QImage menuPicture(int n, const Scaling &scaling);
    // A pointer's frames (one for the still arrow) and its hot spot.
    static std::vector<QImage> pointerFrames(PointerKind kind);
    static QPoint pointerHotSpot(PointerKind kind);

    // A built-in picture by kind and name (":/res/<kind>/<name>"); null when absent.
    static QImage builtin(const QString &kind, const QString &name);

  private:
    void loadBuiltinFaces(bool large);
    void loadBuiltinBacks(bool large);
    bool openLibrary(const QString &file, QString &root);
    void closeLibrary(const QString &root);
    void reportMissing(const QString &file);

    QString folder_;
    QString libraryPath_;
    MissingLibraryHandler missing_;

    int faceSet_ = 0;
    int backSet_ = 0;
    bool largeFaces_ = false;
    int currentBack_ = 1;
    int backgroundPicture_ = 2;
    int backgroundVariant_ = 0;
    std::mt19937 random_;

    std::array<QImage, 37> faces_;
    std::array<QImage, 5> suits_;
    std::array<QImage, 11> backs_;
    std::array<QImage, 11> backsTurned_;
    QImage background_;
    QImage tab_;
    QImage counter_;
    QImage bank_;
    std::array<QImage, plateColourCount> plates_;
    QImage handUp_;
    QImage handRight_;
    QImage empty_;
};

} // namespace quarn
