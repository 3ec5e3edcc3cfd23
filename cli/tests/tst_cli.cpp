// SPDX-License-Identifier: MIT
// The CLI run as a process: outputs per the published contract, and exit status 2 on bad input.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

using cli_test::Outcome;
using cli_test::run;
using cli_test::Scratch;

namespace {

// Whatever the machine running the tests has set is cleared first.
const std::string kClean = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES ";

int count(const std::string &s, const std::string &what) {
    int n = 0;
    for (auto p = s.find(what); p != std::string::npos; p = s.find(what, p + 1))
        ++n;
    return n;
}

// An answer holds every one of @p present and none of @p absent.
struct Answer {
    std::string args;
    std::vector<std::string> present, absent = {};
    std::string environment = "";
};

void expectAnswers(std::initializer_list<Answer> answers) {
    for (const Answer &a : answers) {
        const Outcome r = run(a.args, kClean + a.environment);
        EXPECT_EQ(r.status, 0) << a.environment << a.args << r.err;
        for (const std::string &part : a.present)
            EXPECT_NE(r.out.find(part), std::string::npos) << a.environment << a.args << ": " << part << "\n"
                                                           << r.out;
        for (const std::string &part : a.absent)
            EXPECT_EQ(r.out.find(part), std::string::npos) << a.environment << a.args << ": " << part;
    }
}

} // namespace

TEST(Cli, PhasesInOrderAsTextAndJson) {
    const Outcome text = run("phases --from 2024-04-01T00:00:00Z --count 4");
    ASSERT_EQ(text.status, 0) << text.err;
    std::string lines;
    for (const char *name : {"Last Quarter", "New Moon", "First Quarter", "Full Moon"})
        lines += R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ  )" + std::string(name) + "\n";
    EXPECT_TRUE(std::regex_match(text.out, std::regex(lines))) << text.out;
    EXPECT_NE(text.out.find("2024-04-08T18:2"), std::string::npos); // 18:21 UT, give or take seconds

    const Outcome json = run("phases --from 2024-04-01T00:00:00Z --until 2024-05-01T00:00:00Z --json");
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out.substr(0, 12), "[{\"phase\":3,");
    EXPECT_EQ(count(json.out, "\"instant\":\""), 4);
    EXPECT_NE(json.out.find("{\"phase\":0,\"name\":\"New Moon\",\"instant\":\"2024-04-08T18:2"),
              std::string::npos);
    EXPECT_EQ(json.out.back(), '\n');
}

TEST(Cli, MoonSunSeasonsAndPlaceCarryTheirFields) {
    const std::string moon = "moon --at 2024-04-08T18:21:00Z ",
                      svalbard = " --lat 78.22 --lon 15.65 --tz Arctic/Longyearbyen";
    expectAnswers({
        {moon + "--json",
         {"\"instant\":", "\"fraction\":", "\"waning\":", "\"age_days\":", "\"longitude\":",
          "\"distance_km\":", "\"sign\":\"Aries\"", "\"position_angle_rad\":"},
         {"altitude"}},
        {moon + "--lat 40.71 --lon -74.01 --json",
         {"\"altitude\":", "\"azimuth\":", "\"parallactic_angle_rad\":"}},
        {"sun --date 2024-06-21 --json" + svalbard,
         {"\"rise\":null", "\"day_kind\":\"alwaysUp\"", "\"transit\":", "\"civil_dawn\":", "\"civil_dusk\":",
          "\"nautical_dawn\":", "\"nautical_dusk\":", "\"astronomical_dawn\":", "\"astronomical_dusk\":"}},
        {"sun --date 2024-12-21" + svalbard, {"day_kind alwaysDown"}},
        {"seasons --year 2024 --json",
         {"\"march_equinox\":\"2024-03-20T03:0", "\"december_solstice\":\"2024-12-21T09:2"}},
        {"place --lat 48.8566 --lon 2.3522 --json",
         {"\"locality\":\"Paris\"", "\"time_zone\":\"Europe/Paris\"", "\"place_text\":\"Paris, "}},
    });
}

TEST(Cli, RiseSetDaysWithNullForAbsentEvents) {
    // New York, 2024-04-16 to 04-18: around first quarter one of these days has no moonset.
    const Outcome r =
        run("riseset --date 2024-04-01 --days 30 --lat 40.71 --lon -74.01 --tz America/New_York --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.front(), '[');
    EXPECT_EQ(count(r.out, "\"date\":"), 30);
    EXPECT_GE(count(r.out, "null"), 2); // a day without rise and one without set in a month
    const Outcome one =
        run("riseset --date 2024-04-08 --lat 40.71 --lon -74.01 --tz America/New_York --json");
    EXPECT_EQ(one.out.front(), '{');
}

TEST(Cli, BadInputIsRefusedWithStatusTwo) {
    const std::pair<const char *, const char *> cases[] = {
        {"", "usage"},
        {"bogus", "unknown command"},
        {"phases --count 3", "--from is required"},
        {"phases --from 2024-01-01 --count 3 --until 2024-02-01", "exactly one"},
        {"phases --from 2024-03-01 --until 2024-02-01", "before --from"},
        {"phases --from 2024-01-01 --count 0", "outside"},
        {"moon --at 2024-01-01T12:00", "not an instant"},
        {"moon --at 2024-01-01 --lat 91 --lon 0", "outside"},
        {"moon --at 2024-01-01 --lat 10", "go together"},
        {"moon --at 2024-01-01 --lat abc --lon 0", "not a number"},
        {"riseset --date 2024-01-01 --lat 10 --lon 10 --tz Mars/Base", "unknown time zone"},
        {"riseset --date 2024-01-01 --lat 10 --lon 10", "--tz is required"},
        {"sun --date 2024-01-01 --lat 10 --lon 190 --tz UTC", "outside"},
        {"ics --from 2024-01-01 --months 0", "outside"},
        {"ics --from 2099-12-15T00:00:00Z --months 1", "2100-01-01"},
        {"search", "QUERY is required"},
        {"search chamonix --nearby", "unknown option"},
        {"moon --at 2024-01-01 --lat 0 --lon -inf", "not a number"},
        // Runs past the last supported year: refused whole, never cut short.
        {"phases --from 3000-11-01T00:00:00Z --count 12", "-1999 to 3000"},
        {"riseset --date 3000-12-30 --days 5 --lat 0 --lon 0 --tz UTC", "-1999 to 3000"},
    };
    for (const auto &[args, message] : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_NE(r.err.find(message), std::string::npos) << args << " → " << r.err;
    }
    EXPECT_EQ(run("--help").status, 0);
}

// The Now and Rise & Set screens as text. Which variable wins is the locale's own business
// (tst_languages); here the CLI must follow it.
TEST(Cli, NowScreensInTheSystemsLanguage) {
    const std::string now = "now --at 2024-04-23T12:00:00Z --lat 48.85 --lon 2.35 --tz Europe/Paris";
    expectAnswers({
        {now + " --locale en_US",
         {"2024-04-23T12:00:00Z  48.8500, 2.3500  Europe/Paris\n", "Moon Phase\n", "UPCOMING\n",
          "  Full Moon in 11 hours, 48 minutes.\n", "  Last Quarter in 7 days, 23 hours.\n", "NOW\n",
          "  Phase is waxing gibbous.\n", "% of full and is down.\n", "Rise and Set\n", "RISE & SET\n",
          "TRANSIT\n", "OTHER\n", "Libra \u264e\n", " mi\n"}},
        // No English row label is left: the sign, distance and age are German too.
        {now,
         {"Mondphase\n", "DEMNÄCHST\n", "  Vollmond in 11 Stunden, 48 Minuten.\n",
          "  Letztes Viertel in 7 Tagen, 23 Stunden.\n", "JETZT\n", "  Phase: zunehmender Dreiviertelmond.\n",
          "Auf- und Untergang\n", "AUF- & UNTERGANG\n", "KULMINATION\n", "WEITERES\n", "Mondzeichen",
          "Waage \u264e", " km\n", " Tage\n"},
         {"Moon Rise", "Moon Set", "Moon Transit", "Moon Sign", "Libra", " days", "Full", "of full",
          "UPCOMING"},
         "LANG=de_DE.UTF-8 "},
        // --locale wins over the environment.
        {now + " --locale es_ES", {"  Luna llena en 11 horas, 48 minutos.\n"}, {}, "LANG=de_DE.UTF-8 "},
        {"calendar --month 2024-04 --tz Europe/Paris",
         {"avril 2024  (Europe/Paris)\n"},
         {},
         "LANG=fr_FR.UTF-8 "},
    });
}

TEST(Cli, NowFallsBackToTheSavedPlace) {
    Scratch s;
    s.file("lunafold.ini",
           "[General]\nlunafold.calculationLatitude=-33.87\nlunafold.calculationLongitude=151.21\n"
           "lunafold.timezone=Australia/Sydney\n");
    const Outcome r = run("now --at 2024-04-23T12:00:00Z --locale en_US", s.env());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("-33.8700, 151.2100  Australia/Sydney"), std::string::npos) << r.out;
}

TEST(Cli, CalendarGridsFollowTheLocalesFirstWeekday) {
    // February 2026 begins on a Sunday, the first weekday in en_US: exactly four rows.
    const Outcome us = run("calendar --month 2026-02 --tz America/New_York --locale en_US");
    ASSERT_EQ(us.status, 0) << us.err;
    EXPECT_EQ(count(us.out, "\n"), 2 + 4);
    EXPECT_NE(us.out.find("   Sun       Mon"), std::string::npos);
    EXPECT_NE(us.out.find("   1 "), std::string::npos);
    EXPECT_EQ(us.out.find("("), us.out.find("(America")); // no neighbouring-month cells
    // February 2024 in Germany: weeks start on Monday, the 1st is a Thursday, five rows.
    const Outcome de = run("calendar --month 2024-02 --tz Europe/Berlin --locale de_DE");
    ASSERT_EQ(de.status, 0);
    EXPECT_EQ(count(de.out, "\n"), 2 + 5);
    EXPECT_NE(de.out.find("Februar 2024"), std::string::npos);
    EXPECT_NE(de.out.find("(29)"), std::string::npos);
    EXPECT_NE(de.out.find("24 Voll"), std::string::npos); // full moon 2024-02-24 12:30 UT
    EXPECT_NE(de.out.find(" 9 Neu"), std::string::npos);
    EXPECT_EQ(run("calendar --month 2024-13").status, 2);
    EXPECT_EQ(run("now --lat 10 --lon 10").status, 2);
    EXPECT_EQ(run("now --at 2024-01-01 --locale xx_YY").status, 2);
}

TEST(Cli, PlaceAndSearchNameCountriesInTheUsersLanguage) {
    // Text follows the system's language; JSON stays English for scripts unless --locale asks.
    const struct {
        std::string environment, args, expected;
    } cases[] = {
        {"LANG=de_DE.UTF-8 ", "place --lat 23.5 --lon 12", "Ort: Niger\nZeitzone: Africa/Niamey\n"},
        {"LANG=fr_FR.UTF-8 ", "place --lat -30 --lon -140", "Lieu: -\nFuseau horaire: Etc/GMT+9\n"},
        {"", "place --lat -30 --lon -140 --json",
         "{\"locality\":null,\"admin_area\":null,\"country\":null,\"time_zone\":\"Etc/"
         "GMT+9\",\"place_text\":null}\n"},
        {"LANG=de_DE.UTF-8 ", "place --lat 23.5 --lon 12 --locale en_US",
         "Location: Niger\nTime Zone: Africa/Niamey\n"},
        {"LANG=de_DE.UTF-8 ", "place --lat 23.5 --lon 12 --json",
         "{\"locality\":null,\"admin_area\":null,\"country\":\"Niger\",\"time_zone\":\"Africa/Niamey\","
         "\"place_text\":\"Niger\"}\n"},
        {"LANG=de_DE.UTF-8 ", "place --lat 23.5 --lon 12 --json --locale es_ES",
         "{\"locality\":null,\"admin_area\":null,\"country\":\"Níger\",\"time_zone\":\"Africa/Niamey\","
         "\"place_text\":\"Níger\"}\n"},
        {"LANG=de_DE.UTF-8 ", "search Muenchen --limit 1",
         "Munich, Bayern, Deutschland  48.13743 11.57549  Europe/Berlin\n"},
        {"LANG=de_DE.UTF-8 ", "search paris texas --json --limit 1",
         "[{\"locality\":\"Paris\",\"admin_area\":\"Texas\",\"country\":\"United States\","
         "\"latitude\":33.66094,\"longitude\":-95.55551,\"time_zone\":\"America/Chicago\","
         "\"place_text\":\"Paris, Texas\"}]\n"},
        {"", "search qqqxq --json", "[]\n"},
    };
    for (const auto &c : cases) {
        const Outcome r = run(c.args, kClean + c.environment);
        EXPECT_EQ(r.status, 0) << c.args << r.err;
        EXPECT_EQ(r.out, c.expected) << c.environment << c.args;
    }
    EXPECT_EQ(run("search paris --locale xx_YY").status, 2);
}

TEST(Cli, SearchKeepsToItsLimit) {
    // What a result line holds, and a query of several words, are checked with the languages above.
    const Outcome munich = run("search Muenchen --limit 2 --locale en_US");
    ASSERT_EQ(munich.status, 0) << munich.err;
    EXPECT_EQ(count(munich.out, "\n"), 2);
}

TEST(Cli, IcsFollowsTheSavedNotificationSettings) {
    Scratch s;
    const Outcome defaults = run("ics --from 2024-01-01T00:00:00Z --months 1", s.env());
    ASSERT_EQ(defaults.status, 0) << defaults.err;
    EXPECT_EQ(count(defaults.out, "TRIGGER;RELATED=START:-PT23H52M53S\r\n"), 2); // new and full moon only
    s.file("lunafold.ini",
           "[General]\nlunafold.notifyQuarter=true\nlunafold.notify12=true\nlunafold.notifyExact=true\n");
    const std::string file = s.dir + "/moon.ics";
    const Outcome all = run("ics --from 2024-01-01T00:00:00Z --months 1 --out " + file, s.env());
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_TRUE(all.out.empty());
    // The offsets themselves are tst_calendarexport's.
    EXPECT_EQ(count(cli_test::slurp(file), "BEGIN:VALARM"), 12);
}
