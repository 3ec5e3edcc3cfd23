// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace lunafold {

/// The moon-sign horoscope: sign facts and advice texts for the moon at one instant.
///
/// A plain record: create it, fill it with one genHoroscope() call, read the fields, drop it.
/// Every text starts empty and every flag false.
class Horoscopes {
  public:
    QString cutHoroscope;       ///< Hair-cutting advice.
    QString colourHoroscope;    ///< Hair colouring / chemical treatment advice.
    QString removalHoroscope;   ///< Hair removal (waxing, shaving, plucking, lasering) advice.
    QString moonSign;           ///< Sign name, e.g. "Aries".
    QString moonAction;         ///< Personal advice for the phase.
    QString moonWork;           ///< Work and business advice for the sign.
    QString moonGardening;      ///< Gardening advice for the phase.
    QString moonEmoji;          ///< Phase emoji, U+1F311…U+1F318.
    QString element;            ///< "fire", "earth", "air" or "water".
    QString fruitfulBarren;     ///< "Fruitful", "Semi-fruitful", "Semi-barren" or "Barren".
    bool cutHairNow = false;    ///< Cutting is favoured now.
    bool colourHairNow = false; ///< Colouring is favoured now.
    bool removeHairNow = false; ///< Hair removal is favoured now (exactly while waning).
    QString signEmoji;          ///< Zodiac glyph of the sign, U+2648…U+2653.
    QString nextSign;           ///< Name of the following sign.
    QString nextEmoji;          ///< Glyph of the following sign.
    QString qualityOne;         ///< First character word of the sign.
    QString qualityTwo;         ///< Second character word.
    QString qualityThree;       ///< Third character word.
    QString moonLove;           ///< Love and relationship advice.

    /// Fills every field for the moon at one instant, spelling "colour" per the user's languages
    /// (preferredLanguages(): the app's and the CLI's locale choice).
    /// @param moonPositionDegrees ecliptic longitude, degrees; normally [0, 360), other finite
    ///        values are wrapped into that range.
    /// @param isWaning true between full moon and the next new moon.
    /// @param illuminatedFraction illuminated fraction of the disc, 0…1.
    /// A non-finite longitude or fraction leaves the object unchanged.
    void genHoroscope(double moonPositionDegrees, bool isWaning, double illuminatedFraction);

    /// As above, with the user's preferred languages given explicitly (first one wins; an empty
    /// list falls back to the current locale's name). Only a first language of exactly "en"
    /// keeps "color" in the hair texts; anything else, "en-US" included, reads "colour".
    void genHoroscope(double moonPositionDegrees, bool isWaning, double illuminatedFraction,
                      const QStringList &preferredLanguages);

    /// Fixed advisory text for Mercury being retrograde (@p isActive) or direct.
    static QString mercuryRetrograde(bool isActive);
    /// Fixed advisory text for the moon being void of course (@p isActive) or active.
    static QString voidOfCourseMoon(bool isActive);
};

} // namespace lunafold
