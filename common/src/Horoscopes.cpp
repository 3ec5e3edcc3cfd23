// SPDX-License-Identifier: MIT
#include "common/Horoscopes.h"

#include "common/Localization.h"

#include <QLocale>

#include <cmath>

namespace lunafold {

namespace {

// A text that is either fixed (suffix == nullptr) or prefix + sign name + suffix.
struct Piece {
    const char *prefix;
    const char *suffix = nullptr;
};

QString compose(const Piece &piece, const QString &sign) {
    QString text = QString::fromUtf8(piece.prefix);
    if (piece.suffix != nullptr)
        text += sign + QString::fromUtf8(piece.suffix);
    return text;
}

QString glyph(char32_t codePoint) {
    return QString::fromUcs4(&codePoint, 1);
}

enum PhaseGroup { groupNC, groupQG, groupFD, groupLB };
enum HairBand { bandF, bandSF, bandSB, bandB };
enum LoveGroup { loveW, loveX, loveY, loveZ };

struct Sign {
    const char *name;
    char32_t glyph;
    const char *element;
    const char *fruitfulBarren;
    const char *qualities[3];
    int fertility; // 1 (most barren) … 12 (most fruitful); picks the hair band
    const char *work;
};

constexpr Sign kSigns[12] = {
    {"Aries",
     U'\u2648',
     "fire",
     "Semi-barren",
     {"daring", "fiery", "impulsive"},
     5,
     "The Aries moon encourages you to bravely try new things in your work and business. At the "
     "same time an impulsive influence may inspire you to make snap decisions, so at this time "
     "consider carefully whether you are making the right choices."},
    {"Taurus",
     U'\u2649',
     "earth",
     "Semi-fruitful",
     {"sensual", "indulgent", "grounded"},
     9,
     "At this time your customers and co-workers will need reassurance that your work and "
     "products are running to time and schedule. The Taurus moon helps you to comfort them and "
     "yourself by being consistent and stable, to get in the zone and progress forward in your "
     "work."},
    {"Gemini",
     U'\u264A',
     "air",
     "Semi-barren",
     {"communicative", "inquisitive", "lively"},
     4,
     "The Gemini moon can make your customers and co-workers unsure of the help that they need, "
     "try to be as flexible as you can to bring about success for you both. Gemini has a strong "
     "social influence - this is a great time for you to run social and networking events."},
    {"Cancer",
     U'\u264B',
     "water",
     "Fruitful",
     {"nurturing", "sensitive", "emotional"},
     12,
     "The Cancer moon can have a strong nurturing influence on you, your customers and "
     "co-workers. This is a great period to make sure that you take some time out from the "
     "stress of your work and to make the most of your breaks. Likewise, take a moment to listen "
     "to your client's wishes too."},
    {"Leo",
     U'\u264C',
     "fire",
     "Barren",
     {"energetic", "romantic", "superficial"},
     1,
     "During the Leo moon make an effort to reward loyalty in your customers - treat your best "
     "customers to free samples, or maybe offer discounts. But don't forget to be generous to "
     "yourself! Remember to reward yourself too for your commitment to your work or business, "
     "and your passion."},
    {"Virgo",
     U'\u264D',
     "earth",
     "Barren",
     {"practical", "analytical", "health conscious"},
     2,
     "Your customers can become picky and sensitive during the Virgo moon. Virgo also has a "
     "practical, analytical influence, so the best way to handle this is to be straight with "
     "your clients and work towards a solution. On the other hand you can also use these "
     "influences yourself to resolve your own matters that got lost in small details."},
    {"Libra",
     U'\u264E',
     "air",
     "Semi-fruitful",
     {"social", "harmonious", "beautifying"},
     7,
     "It can be challenging to reach agreement with your customers and co-workers while the moon "
     "is in this sign. However, be diplomatic in trying to resolve any issues. Don't ruin your "
     "work and business relationships by making an unreasonable idealistic stand. Compromise to "
     "reach a resolution and move forward."},
    {"Scorpio",
     U'\u264F',
     "water",
     "Fruitful",
     {"obsessive", "passionate", "investigative"},
     11,
     "Sometimes your business and work relationships can be troublesome. This is a time when "
     "your clients and co-workers can be selfless, single mindedly pushing to take a deal at all "
     "costs including your own. Be careful to not make rash decisions. This can also be an "
     "appropriate time to end connections when they have reached their logical conclusion."},
    {"Sagittarius",
     U'\u2650',
     "fire",
     "Semi-barren",
     {"spontaneous", "broadminded", "joyful"},
     6,
     "The Sagittarius moon can bring about unpredictabilty in your work. Just when you thought a "
     "final decision was made, a client or co-worker may suddenly change their mind. Everybody "
     "has their own ideas, and will express them in this moon. Don't let the confusion overwhelm "
     "you - more certain times are coming."},
    {"Capricorn",
     U'\u2651',
     "earth",
     "Semi-fruitful",
     {"ambitious", "focused", "practical"},
     8,
     "The Capricorn moon has a practical, analytical influence on you and your clients. This is a "
     "good time to knuckle down and deal with the more hands-on aspects of your work - grinding "
     "through any necessary tasks, getting any accounts or reports completed. This is the "
     "perfect time to do those jobs that keep your position solid and moving forward."},
    {"Aquarius",
     U'\u2652',
     "air",
     "Barren",
     {"experimental", "rebellious", "intellectual"},
     3,
     "This moon is a fantastic time to brainstorm new ideas for your business or work - your "
     "visionary and innovative powers are at their peak. Your customers have the same strengths "
     "and will look to you to help implement their own plans. They may also have suggestions for "
     "how you can better run your business - but their suggestions may not be the best for you "
     "so be careful."},
    {"Pisces",
     U'\u2653',
     "water",
     "Fruitful",
     {"intuitive", "emotional", "compassionate"},
     10,
     "The moon in Pisces has a creative, empathic influence on you, your co-workers and "
     "customers. Let your clients choose what they want themselves without pushing, they may "
     "take their time but a larger sale may result. This is also the perfect time for you to "
     "improve the displays inside your store and decorate your workplace."},
};

struct Phase {
    char32_t emoji;
    const char *action;
};

constexpr Phase kPhases[8] = {
    {U'\U0001F311',
     "The new moon is the time for new beginnings - to work out your visions, dreams and intents "
     "for the future. Take some time to listen to your feelings and obtain some clarity around "
     "your vision. What is it that you desire?"},
    {U'\U0001F312', "The crescent moon is the time for planning and gathering information and resources to "
                    "achieve your visions. During this phase it can be easy to give up on your intents - "
                    "instead treat and care for yourself to reinforce and sustain your energies so you can "
                    "achieve your plans."},
    {U'\U0001F313',
     "The first quarter phase is the time to take first actions toward your visions and goals. "
     "Don't let others or what they may think or say hold you back, instead overcome your own "
     "self doubts to make that first step. Break away from the norm."},
    {U'\U0001F314',
     "The gibbous phase is a time to review your initial steps in achieving your visions. What "
     "has worked well? What have you failed to see? Take time to refine, review and improve your "
     "visions and intents. Believe in yourself."},
    {U'\U0001F315',
     "Clarity is the gift of the full moon phase. The moon's light allows you to make "
     "adjustments to your goals and visions, it shines in the dark places to give simplicity and "
     "purity to your intents. Don't be afraid to involve others in your actions. Use this peak "
     "power to realise your visions."},
    {U'\U0001F316',
     "While the moon is disseminating it is a time to pass on your experience to others. What "
     "have the results of your actions been?  How have your results affected others? Look inside "
     "and gain some perspective on your contribution and teach and share your learnings and "
     "resources."},
    {U'\U0001F317',
     "The last quarter phase is a time to take final and closing actions, to make that last push "
     "to realise your intents and visions. You have the knowledge of what is and is not working, "
     "now is the time to take action to complete your goals and be rewarded for your actions. "
     "This is the time to realise your vision."},
    {U'\U0001F318',
     "Release is the gift of this closing balsamic moon phase. It is the time to let go of your "
     "past and to look towards the future. Surrender your old struggles and confusion so you can "
     "begin clearly with the upcoming New moon cycle. The quiet clarity and release will give "
     "you suggestions for what is to be in the next cycle."},
};

constexpr const char *kGardeningBodies[4] = {
    "The new moon and the waxing crescent are the time to sow and plant annuals that bear their "
    "crops above the ground - leafy greens, stem vegetables, and flowering and fruiting annuals. "
    "As the light increases this is also a good time to apply liquid fertiliser, and to mow "
    "lawns to encourage growth.",
    "As the full moon approaches, sap flow is at its highest. This is the best time to sow and "
    "plant fruit and flower plants such as tomatoes, beans, peas and annual flowers. It is also a "
    "good time to apply fertiliser, to graft fruit trees and to prune roses.",
    "As the moon wanes after the full moon, sap flow draws down into the roots. This is the best "
    "time to plant root crops such as potatoes, carrots and onions, as well as perennials like "
    "strawberries and asparagus. Mow lawns now for slower regrowth, take cuttings and harvest "
    "your crops.",
    "The last quarter phase is not an ideal time for planting and sowing. Instead, this is a "
    "great time to plough and fertilise the soil, pull weeds and apply manure and compost. This "
    "is also an ideal time to cut lawns so they will grow back at a slower rate.  Ideally, during "
    "this time prepare for future planting and sowing.",
};

// Phase indices 0–5: the 12 hours after the event just passed or before the coming one.
constexpr const char *kGardeningWarnings[6] = {
    "  Make sure to avoid planting and sowing activities in the 12 hours immediately following "
    "the moment of the new moon. Instead, this is a time to prepare beds for planting in the "
    "future.",
    "  Make sure to avoid planting and sowing activities in the 12 hours immediately before the "
    "moment of the first quarter. Instead, use this time to water and tend the seedlings you "
    "have already planted.",
    "  Make sure to avoid planting and sowing activities in the 12 hours immediately following "
    "the moment of the first quarter. Instead, this is a time to weed and to prepare your beds.",
    "  Make sure to avoid planting and sowing activities in the 12 hours immediately before the "
    "moment of the full moon. Instead, use this time to feed and water the plants already in the "
    "ground.",
    "  Make sure to avoid planting, sowing and taking cuttings in the 12 hours immediately "
    "following the moment of the full moon. Instead, this is a time to harvest the crops you "
    "wish to eat fresh.",
    "  Make sure to avoid planting and sowing activities in the 12 hours immediately before the "
    "moment of the last quarter. Instead, this is a time to harvest and store your produce.",
};

// [phase group][love group]
constexpr Piece kLove[4][4] = {
    {
        {"The moon is in ",
         ", and together with the recent new moon it brings determination and passion to your "
         "relationships. Set your intentions for love now and pursue them wholeheartedly."},
        {"With the new moon in a practical, committed sign, now is the perfect time to sit down "
         "with your partner for a heart-to-heart talk about where your relationship is going. If "
         "there is something you have been meaning to say, say it now. This moon will help."},
        {"The new moon in an open, sociable sign is a great time to clear the air. Talk honestly "
         "about anything that has come between you and your partner, and let go of old "
         "grievances. If you are single, this is an ideal time for a first chat with someone "
         "new."},
        {"Wow! What a happy confluence of a fun moon sign and the new moon! This is a great time "
         "to go out, meet new people and flirt a little. Plan something playful with your "
         "partner and enjoy each other's company."},
    },
    {
        {"What an exciting time for your relationships - the moon in ",
         " brings warmth and depth to your feelings as the full moon approaches. Let your partner "
         "know how much they mean to you, and take the next step together."},
        {"As the moon grows towards full, your judgement in matters of the heart is clear and "
         "steady. This is a good time to make an informed commitment - weigh up what you really "
         "want from a relationship and act on it."},
        {"The waxing moon in a curious, outgoing sign favours conversation and contact. Reach out "
         "to your partner or to someone you are interested in - a message, a call or a long talk "
         "over dinner will bring you closer."},
        {"With the full moon approaching and a lively moon sign, your social energy is high. Get "
         "out and about, go to parties and gatherings, and bring your partner along - this is a "
         "time to be seen and to have fun together."},
    },
    {
        {"The full light and the moon in ",
         " bring your emotions to the surface. This is a time to reap the rewards of the love you "
         "have nurtured - share your deepest feelings and enjoy the closeness that follows."},
        {"Reap the rewards of the full moon in your relationships. The effort and commitment you "
         "have put in are now paying off, so take some time to appreciate your partner and the "
         "life you are building together."},
        {"Communication flows freely while the moon is full. Speak openly with your partner about "
         "your hopes and plans, and listen in return - honest words now can bring you much "
         "closer."},
        {"The fun spirit of the moon in ",
         " lets you reap the rewards of the full moon. Celebrate your relationship, and if you "
         "have been seeing someone new, this is a great time to introduce your partner to your "
         "friends and family."},
    },
    {
        {"Before the new moon arrives, make time for a passionate date with your partner. Leave "
         "the busy world behind for an evening and focus on each other - intimacy and tenderness "
         "are strongly favoured now."},
        {"The strong, hard working influence of the ",
         " moon supports commitment as the moon wanes. Work through practical matters together "
         "and show your partner that you are in it for the long term."},
        {"The ", " moon favours communication as the moon thins towards new. Talk through what has and "
                 "has not worked in your relationship, and let go of what no longer serves you both."},
        {"As the new moon draws near, this is a time for addressing any issues in a relationship. "
         "The moon is in ",
         ", which gives you the courage for difficult conversations. Be honest but kind, and "
         "clear the way for a fresh start."},
    },
};

struct HairCell {
    bool cut, colour, removal;
    Piece cutText, colourText, removalText;
};

// [phase group][fertility band]. Texts say "color"; the locale rule may turn it into "colour",
// so no sentence here starts with a capitalised "Color".
constexpr HairCell kHair[4][4] = {
    {
        {true,
         true,
         false,
         {"The moon is waxing in the fruitful sign of ",
          ". This is an excellent time for a cut if you want your hair to grow back quickly, long "
          "and strong."},
         {"With the moon in ",
          ", one of the most fruitful signs, your hair will absorb color well. This is a great "
          "time for a color or chemical treatment with long-lasting results."},
         {"The moon is waxing and hair grows back quickly now. If you can, wait until the moon is "
          "waning to wax, shave or pluck."}},
        {true,
         true,
         false,
         {"The moon is waxing in a semi-fruitful sign. This is a good time for a trim to "
          "encourage healthy growth."},
         {"The moon is in a semi-fruitful sign, making this a good time for a color or a gentle "
          "chemical treatment."},
         {"Hair grows back quickly while the moon is waxing. Hair removal is best left until "
          "after the full moon."}},
        {false,
         true,
         false,
         {"The moon is in a semi-barren sign. A cut now may grow back slowly and unevenly, so it "
          "is best to wait for a more fruitful sign."},
         {"The moon is in ",
          ", a semi-barren sign. This is a reasonable time for a color touch-up, but avoid "
          "extreme changes."},
         {"Regrowth is fast while the moon is waxing - avoid waxing, shaving or plucking if you "
          "can until the moon wanes."}},
        {false,
         false,
         false,
         {"The moon is in a barren sign. Your hair is unlikely to respond well to a cut right now "
          "- leave the scissors until a more fruitful time."},
         {"The moon is in ",
          ", a barren sign. Your hair may not take color evenly now, so hold off on color or "
          "chemical treatments for a few days."},
         {"Although the moon is in a barren sign, it is waxing and hair will grow back quickly. "
          "Wait for the waning moon for hair removal."}},
    },
    {
        {true,
         true,
         false,
         {"As the full moon approaches in a fruitful sign, your hair is at its strongest. This is "
          "an ideal time for a cut to promote fast, thick growth."},
         {"The moon is in ",
          ", one of the most fruitful signs, and is growing towards full. Your hair will take "
          "color beautifully - a great time for a color or chemical treatment."},
         {"The moon is waxing towards full and hair grows back at its fastest now. Avoid hair "
          "removal until the moon is waning."}},
        {true,
         true,
         false,
         {"The moon is waxing in ",
          ", a semi-fruitful sign. This is a good time for a cut to encourage growth and body."},
         {"With the moon in the semi-fruitful sign of ",
          ", color and chemical treatments should take well and last."},
         {"Hair grows back quickly as the moon approaches full. Leave waxing, shaving and "
          "plucking until the moon begins to wane."}},
        {false,
         true,
         false,
         {"The moon is waxing in a semi-barren sign. Hair cut now may grow back patchy, so if you "
          "can, postpone your cut."},
         {"The moon is in ",
          ", a semi-barren sign. A color treatment now is fine, especially a subtle one or a "
          "touch-up."},
         {"The waxing moon speeds up regrowth. Hair removal now will not last as long as it would "
          "under a waning moon."}},
        {false,
         false,
         false,
         {"The moon is in ",
          ", a barren sign. This is not a good time for a cut - your hair may grow back thin and "
          "slow."},
         {"The moon is in the barren sign of ",
          ". Your hair may not take color well now, so it is best to wait."},
         {"The moon is waxing, so hair grows back quickly. Even in a barren sign, it is better to "
          "wait until after the full moon for hair removal."}},
    },
    {
        {true,
         true,
         true,
         {"The moon is in ",
          ", a fruitful sign, and has just passed full. A cut now will strengthen your hair and "
          "help it keep its shape for longer."},
         {"The full moon in the fruitful sign of ",
          " makes your hair receptive to color. This is a great time for a color or chemical "
          "treatment."},
         {"The moon is waning, so hair regrowth begins to slow. This is a good time to wax, shave "
          "or pluck."}},
        {true,
         true,
         true,
         {"The moon is waning in a semi-fruitful sign. This is a good time for a cut that will "
          "hold its style for longer."},
         {"The moon is in ",
          ", a semi-fruitful sign. Your hair will take color well, so go ahead with a color or "
          "chemical treatment."},
         {"Regrowth slows as the moon wanes - this is a good time for hair removal."}},
        {false,
         true,
         true,
         {"The moon is in ",
          ", a semi-barren sign. Hair cut now may grow back weakly, so it is better to wait for a "
          "more fruitful sign."},
         {"With the moon in ",
          ", a semi-barren sign, this is a suitable time for a color or chemical treatment - "
          "especially to cover greys."},
         {"The waning moon in a semi-barren sign slows regrowth. This is a great time to wax, "
          "shave or pluck."}},
        {false,
         false,
         true,
         {"The moon is in ",
          ", a barren sign. Avoid a cut now - your hair may lose its body and grow back slowly."},
         {"The moon is in the barren sign of ",
          ". Your color may not hold well now, so postpone any color or chemical treatments."},
         {"The best time of the cycle for epilation. The moon is in a barren sign, ",
          " and is waning. Growth is slow, so your efforts will absolutely be best rewarded "
          "now."}},
    },
    {
        {true,
         true,
         true,
         {"Your hair will respond well to cuts as the moon is in a moist, fruitful phase as the "
          "new moon approaches - the time is right for a shorter cut that will grow out slowly "
          "with thicker hair."},
         {"The moon is currently in one of the most fruitful signs, ",
          ". This is one of the best times for a color or chemical treatment. This is a great "
          "time for extreme treatments and change!"},
         {"Your hair regrowth slows as the moon wanes, right now is a great time to wax or shave "
          "to maintain the look for longer."}},
        {true,
         true,
         true,
         {"Your hair will respond well to a cut that keeps its shape for longer while the moon "
          "wanes in the semi-fruitful sign of ",
          "."},
         {"The waning moon in a semi-fruitful sign is a good time for a color or chemical "
          "treatment that will last."},
         {"Hair regrowth is slow as the moon wanes towards new. This is a great time to wax or "
          "shave for longer-lasting results."}},
        {true,
         false,
         true,
         {"The moon is waning in ",
          ", a semi-barren sign. This is a good time for a cut if you want your style to last, as "
          "your hair will grow back slowly."},
         {"The moon is in ",
          ", a semi-barren sign, as the new moon approaches. A new color may fade quickly now, so "
          "it is best to wait for a more fruitful time."},
         {"The waning moon slows regrowth. This is an excellent time for waxing, shaving, "
          "plucking or lasering."}},
        {false,
         false,
         true,
         {"The moon is in ",
          ", a barren sign, and is waning. Hair cut now will grow back very slowly and may lose "
          "its strength - it is best to wait."},
         {"The moon is in the barren sign of ",
          " and is waning. Chemical treatments and color may not take well now."},
         {"Hair grows back at its slowest in this phase. This is one of the best times for hair "
          "removal - wax, shave, pluck or laser now for the longest-lasting results."}},
    },
};

// The fractions 0.25, 0.5 and 0.75 belong to the higher class.
int phaseIndex(bool waning, double fraction) {
    const int quarter = fraction >= 0.75 ? 3 : fraction >= 0.5 ? 2 : fraction >= 0.25 ? 1 : 0;
    return waning ? 7 - quarter : quarter;
}

int signIndex(double longitude) {
    double l = std::fmod(longitude, 360.0);
    if (l < 0.0)
        l += 360.0;
    if (l >= 360.0) // a tiny negative input wraps to exactly 360 in rounding
        l = 0.0;
    // l / 30 never rounds up to the next integer for l just below a boundary, so truncating
    // keeps each sign closed below and open above.
    return static_cast<int>(l / 30.0);
}

HairBand hairBand(int fertility) {
    if (fertility >= 9)
        return bandF;
    if (fertility >= 7)
        return bandSF;
    if (fertility >= 4)
        return bandSB;
    return bandB;
}

LoveGroup loveGroup(const QString &sign) {
    for (const char *name : {"Scorpio", "Taurus", "Pisces", "Cancer"})
        if (sign == QLatin1String(name))
            return loveW;
    for (const char *name : {"Capricorn", "Libra", "Virgo"})
        if (sign == QLatin1String(name))
            return loveX;
    for (const char *name : {"Aquarius", "Sagittarius"})
        if (sign == QLatin1String(name))
            return loveY;
    return loveZ;
}

} // namespace

void Horoscopes::genHoroscope(double moonPositionDegrees, bool isWaning, double illuminatedFraction) {
    genHoroscope(moonPositionDegrees, isWaning, illuminatedFraction, preferredLanguages());
}

void Horoscopes::genHoroscope(double moonPositionDegrees, bool isWaning, double illuminatedFraction,
                              const QStringList &preferredLanguages) {
    // Garbage in would otherwise pick an arbitrary sign and phase; leave the record as it was.
    if (!std::isfinite(moonPositionDegrees) || !std::isfinite(illuminatedFraction))
        return;

    const int phase = phaseIndex(isWaning, illuminatedFraction);
    const int group = phase / 2;
    const int signNo = signIndex(moonPositionDegrees);
    const Sign &sign = kSigns[signNo];
    const Sign &next = kSigns[(signNo + 1) % 12];

    moonSign = QString::fromUtf8(sign.name);
    nextSign = QString::fromUtf8(next.name);
    nextEmoji = glyph(next.glyph);
    element = QString::fromUtf8(sign.element);
    fruitfulBarren = QString::fromUtf8(sign.fruitfulBarren);
    signEmoji = glyph(sign.glyph);
    qualityOne = QString::fromUtf8(sign.qualities[0]);
    qualityTwo = QString::fromUtf8(sign.qualities[1]);
    qualityThree = QString::fromUtf8(sign.qualities[2]);
    moonWork = QString::fromUtf8(sign.work);

    moonGardening = QString::fromUtf8(kGardeningBodies[group]);
    if (group != groupLB)
        moonGardening += QString::fromUtf8(kGardeningWarnings[phase]);

    moonLove = compose(kLove[group][loveGroup(moonSign)], moonSign);

    moonEmoji = glyph(kPhases[phase].emoji);
    moonAction = QString::fromUtf8(kPhases[phase].action);

    const HairCell &hair = kHair[group][hairBand(sign.fertility)];
    cutHairNow = hair.cut;
    colourHairNow = hair.colour;
    removeHairNow = hair.removal;
    cutHoroscope = compose(hair.cutText, moonSign);
    colourHoroscope = compose(hair.colourText, moonSign);
    removalHoroscope = compose(hair.removalText, moonSign);

    // Only a bare "en" keeps the American spelling; "en-US" and every other language do not.
    const QString language = preferredLanguages.isEmpty() ? QLocale().name() : preferredLanguages.first();
    if (language != QLatin1String("en")) {
        const QString color = QStringLiteral("color");
        const QString colour = QStringLiteral("colour");
        cutHoroscope.replace(color, colour);
        colourHoroscope.replace(color, colour);
        removalHoroscope.replace(color, colour);
    }
}

QString Horoscopes::mercuryRetrograde(bool isActive) {
    return isActive
               ? QStringLiteral(
                     "Mercury is currently in retrograde. This is a time when communication, technology "
                     "and travel can go awry. Be extra careful with contracts and agreements, and double "
                     "check your travel plans. It is a good time to reflect and review, but maybe delay "
                     "starting major new projects until Mercury goes direct.")
               : QStringLiteral(
                     "Mercury is currently direct, which is great news for your communication and travel "
                     "plans. This is an excellent time to sign contracts, make important decisions and "
                     "move forward with your plans. Your thinking is clear and your interactions with "
                     "others should be smooth.");
}

QString Horoscopes::voidOfCourseMoon(bool isActive) {
    return isActive
               ? QStringLiteral(
                     "The moon is currently void of course. This is a time of rest and reflection rather "
                     "than action. It is best to avoid starting new projects or making big decisions as "
                     "they may not turn out as expected. Stick to your routine, finish old tasks, or just "
                     "take some time out to relax.")
               : QStringLiteral(
                     "The moon is currently active and making aspects to other planets. This is a good "
                     "time to take action and move forward with your goals. Your efforts are likely to be "
                     "supported and you can make real progress. It is a favorable time for starting new "
                     "ventures.");
}

} // namespace lunafold
