// The real orbalide-calc, run as a user runs it: its answers against GeographicLib and Karney's
// test set and against texts written out, its messages and exit statuses, its KML and GPX files
// read by a real XML parser.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <locale.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>
#include <GeographicLib/DMS.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "Xml.hpp"

using namespace orbalide;
using orbalide::test::Elements;
namespace fs = std::filesystem;

namespace {

std::string Printf(const char* format, double v) {
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), format, v);
  return text.data();
}

// Numbers as a line of input, each read back as the very same double.
std::string Line(std::initializer_list<double> values, const char* separator = " ") {
  std::string line;
  for (double v : values) line += (line.empty() ? "" : separator) + Printf("%.17g", v);
  return line + "\n";
}

// A course as printf writes it with 9 decimals, but a whole turn, or a zero of either sign, as 0.
std::string Course(double v) {
  const std::string text = Printf("%.9f", v);
  return text == "360.000000000" || text == "-0.000000000" ? "0.000000000" : text;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

// Degrees apart, whole turns aside.
double Gap(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

constexpr std::array kSignals{SIGALRM, SIGHUP,  SIGINT,  SIGIO,     SIGPIPE, SIGPROF, SIGQUIT,
                              SIGTERM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGXCPU, SIGXFSZ};

struct Outcome {
  std::vector<std::string> out;  // lines
  std::string err;
  int status;
};

// The program with its standard input and output on pipes that stay open, to talk with it line
// by line; its standard error in `dir`/err. The signals sent at their default action, no core.
class Running {
 public:
  Running(const fs::path& dir, const std::string& arguments) {
    std::array<int, 2> in{}, out{};
    EXPECT_EQ(pipe2(in.data(), O_CLOEXEC) | pipe2(out.data(), O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : kSignals) sigaddset(&signals, signal);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const std::string command =
        "cd " + dir.string() + " && ulimit -c 0 && exec " ORBALIDE_CALC " " + arguments + " 2> err";
    const std::array<const char*, 4> argv{"sh", "-c", command.c_str(), nullptr};
    EXPECT_EQ(posix_spawn(&pid, "/bin/sh", &actions, &attributes, const_cast<char**>(argv.data()),
                          environ),
              0);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    in_ = in[1], out_ = out[0];
  }
  ~Running() {
    if (pid > 0) kill(pid, SIGKILL), Wait();
    close(in_), close(out_);
  }
  void Write(const std::string& text) {
    EXPECT_EQ(write(in_, text.data(), text.size()), ssize_t(text.size()));
  }
  // The next line written; "…(none)" when none has come after 20 s, rather than waiting forever.
  std::string ReadLine() {
    std::string line;
    for (char c = 0; c != '\n'; line += c) {
      pollfd ready{out_, POLLIN, 0};
      if (poll(&ready, 1, 20000) != 1 || read(out_, &c, 1) != 1) return line + "(none)";
    }
    return line;
  }
  void Close(int& end) { close(end), end = -1; }
  int Wait() {
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
    return status;
  }

  pid_t pid = -1;
  int in_, out_;
};

class Calc : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orbalide-calc-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The program with `input` on its standard input, the locale variables unset but `env`'s.
  Outcome Execute(const std::string& arguments, const std::string& input,
                  const std::string& env = "") {
    std::ofstream(dir_ / "in", std::ios::binary) << input;
    const std::string command = "cd " + dir_.string() +
                                " && env -u LC_ALL -u LC_MESSAGES -u LANG " + env + " " +
                                ORBALIDE_CALC + " " + arguments + " < in > out 2> err";
    const int status = std::system(command.c_str());
    std::ostringstream out, err;
    out << std::ifstream(dir_ / "out").rdbuf();
    err << std::ifstream(dir_ / "err").rdbuf();
    return {Split(out.str(), '\n'), err.str(), WEXITSTATUS(status)};
  }

  fs::path dir_;
};

}  // namespace

// Each bad line gives an empty line and its message, in the user's language; each wrong command
// line its message and status 2; the language from the first of LC_ALL, LC_MESSAGES, LANG set and
// not empty. A file of geodesics never replaces an input or the other one, and a run that fails
// leaves the file it would have replaced as it was.
TEST_F(Calc, MessagesAndStatuses) {
  const std::string kMarqueOrdre = "\xEF\xBB\xBF";
  const std::string horsDomaine = "No result: a value is out of range.";
  const struct {
    const char* arguments;
    std::string line;
    std::string message;  // empty: an answer, or a blank line answered by a blank line
  } lines[] = {
      {"inverse", kMarqueOrdre + "0 0 1 1", ""},  // the byte order mark of some editors
      {"inverse", "0\t0 1,5  1\r", ""},           // tabs, a decimal comma, a line end of CR LF
      {"inverse", "0 0 1", "3 fields, 4 expected"},
      {"inverse", "0 0 1 1 1", "more than 4 fields"},
      {"inverse", "0 x 1 1", "lon1 is not an angle"},
      {"inverse", "91 0 1 1", "lat1 is beyond 90°"},
      {"inverse", "0 0 1E 1", "lat2 has the hemisphere letter of a longitude"},
      {"inverse", "0 0 1 NaN", "lon2 is not a finite number"},
      {"inverse", "0 0 0:60 1", "lat2 has minutes or seconds of 60 or more"},
      {"inverse", std::string(4096, '1'), "1 field, 4 expected"},
      {"inverse", std::string(4097, '1'), "line longer than 4096 bytes"},
      {"inverse", "0 540.1 1 1", "lon1 is beyond 540°"},
      {"inverse", " \t", ""},
      {"inverse", "10 20 10 20", ""},    // the same point
      {"inverse", "0 0 0.5 179.7", ""},  // nearly antipodal
      {"direct --unit nm", "0 0 45N 1", "course1 is not an angle"},
      {"direct --unit nm", "0 0 0 1km", "distance is not a number"},
      {"direct --unit nm", "0 0 0 1e306", horsDomaine},  // beyond the doubles in metres
      {"direct --unit nm", "0 0 90 -54000",
       "distance is beyond 100000 km, where the answer would lose its accuracy"},
      {"inverse --csv", "lat1,lon1,lat2,lon2", ""},
      {"inverse --csv", "\"49°00'23.26\"\"N\" , 6,1,1", ""},
      {"inverse --csv", "\"0\"x,0,1,1", "lat1 is not an angle"},
      {"direct --rhumb", "80 0 10 3000000", "No result: the rhumb line would reach a pole."},
      {"direct --rhumb", "90 0 180 1", ""},  // leaves the pole along its meridian
  };
  for (const char* arguments : {"inverse", "direct --unit nm", "inverse --csv", "direct --rhumb"}) {
    std::string input, messages;
    std::vector<bool> answered;
    for (const auto& l : lines) {
      if (l.arguments != std::string(arguments)) continue;
      input += l.line + "\n";
      answered.push_back(l.message.empty() && l.line.find_first_not_of(" \t") != std::string::npos);
      const std::string n = std::to_string(answered.size());
      if (!l.message.empty()) messages += "orbalide-calc: -:" + n + ": " + l.message + "\n";
    }
    const Outcome r = Execute(arguments, input);
    EXPECT_EQ(r.err, messages);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.out.size(), answered.size());
    for (std::size_t i = 0; i < r.out.size(); ++i) EXPECT_EQ(!r.out[i].empty(), answered[i]) << i;
  }
  const Outcome fr = Execute("direct --unit=nm", "91 0 1 1\n0 0 0 1e306\n", "LANG=fr_FR.UTF-8");
  EXPECT_EQ(fr.err,
            "orbalide-calc: -:1: lat1 dépasse 90°\norbalide-calc: -:2: Pas de "
            "résultat : une valeur est hors du domaine de calcul.\n");
  // The same point, however written (or too close for an arc's square): GeodSolve's courses,
  // along the rhumb line too.
  const std::string same =
      "0 0 0 0\n0 0 0 360\n10 -170 10 190\n90 0 90 100\n"
      "N48 23,500 W004 29.000 48 23.5 N 4 29 W\n";
  const std::vector<std::string> zero(6, "180.000000000 180.000000000 0.0000");
  EXPECT_EQ(Execute("inverse", same + "0 0 1e-170 0\n").out, zero);
  EXPECT_EQ(Execute("inverse --rhumb", same).out, std::vector(zero.begin() + 1, zero.end()));
  // A longitude beyond 180° comes back within it: 1,000 m east of 540° is 180.009° (the design's
  // figure east of 0°), that is −179.991°; 1,000 m west of −540°, 179.991°.
  EXPECT_EQ(Execute("direct", "0 540 90 1000\n0 -540 270 1000\n").out,
            (std::vector<std::string>{"0.000000000 -179.991016847 90.000000000",
                                      "0.000000000 179.991016847 270.000000000"}));
  // Files kept: one read-only; one in a folder that takes no new file; another user's in a sticky
  // folder, which a rename may not replace. A link that leads nowhere yet; a long name.
  for (const char* kept : {"t.kml", "ro.kml", "d/w.kml", "s/w.kml"}) {
    fs::create_directories((dir_ / kept).parent_path());
    std::ofstream(dir_ / kept) << "kept";
    fs::permissions(dir_ / kept, fs::perms::owner_read | fs::perms::group_read |
                                     (kept[1] == '/' ? fs::perms::all : fs::perms::none));
  }
  fs::permissions(dir_ / "d", fs::perms::all & ~(fs::perms::owner_write | fs::perms::group_write |
                                                 fs::perms::others_write));
  fs::permissions(dir_ / "s", fs::perms::all | fs::perms::sticky_bit);
  fs::permissions(dir_, fs::perms::all);  // for an ordinary user
  const bool root = geteuid() == 0;
  const std::string asUser = root ? "setpriv --reuid=nobody --regid=nogroup --clear-groups" : "";
  fs::create_symlink("nothere.kml", dir_ / "n.kml");
  fs::create_symlink("loop.kml", dir_ / "loop.kml");
  const std::string longName(251, 'x');
  fs::create_directory(dir_ / "many");  // more than the file descriptors a run may hold
  for (int i = 0; i < 20; ++i) std::ofstream(dir_ / "many" / std::to_string(i)) << "60 0 60:01 0\n";
  std::ofstream(dir_ / "a.csv") << "\"lat1, N\";lon1;lat2;lon2;nom\n91;0;0;0;Brest, 3,5\n";
  std::ofstream(dir_ / "b.csv") << "lat1,lon1,lat2,lon2\n1,2\n60,0,60:01,0,\"B,7\",x\n";
  const locale_t french = newlocale(LC_ALL_MASK, "fr_FR.UTF-8", nullptr);
  const std::string full = french != nullptr ? strerror_l(ENOSPC, french) : std::strerror(ENOSPC);
  if (french != nullptr) freelocale(french);
  const std::string kLine = "60 0 60:01 0\n", kAnswer = "0.000000000 0.000000000 1856.8738\n";
  const struct {
    std::string env;
    std::string arguments;
    std::string starts;  // the text written, output then error
    int status;
    std::string input = "60 0 60:01 0\n";
  } commands[] = {
      {"", "", "orbalide-calc: missing command: direct, inverse or route\nTry 'orbalide-calc", 2},
      {"", "invert", "orbalide-calc: unknown command 'invert': direct, inverse or route", 2},
      {"", "inverse --every=3", "orbalide-calc: option '--every' does not apply to 'inverse'", 2},
      {"", "route --rhumb", "orbalide-calc: option '--rhumb' does not apply to 'route'", 2},
      {"", "route --max-latitude=95",
       "orbalide-calc: invalid argument '95' for '--max-latitude': a latitude above 0 and at most "
       "90, north or south\n",
       2},
      {"", "route --meridians=400",
       "orbalide-calc: invalid argument '400' for '--meridians': an angle above 0 and at most 180",
       2},
      {"LANG=fr_FR.UTF-8", "route --speed=1e-300",
       "orbalide-calc : argument « 1e-300 » invalide pour « --speed » : un nombre de nœuds d'au "
       "moins 0,1\n",
       2},
      {"", "route --max-latitude=S40",
       "orbalide-calc: -:2: No route: this waypoint lies poleward of the maximum latitude.\n", 1,
       "0 0\n45 1\n"},
      {"", "route --gpx=n.kml",
       "1 \"a\tb\" WP2 0.000000000 0.000000000 0.000000000 1.000000000 90.000000000 ", 0,
       "0 0 \"a\tb\"\n0 1\n"},
      {"", "inverse --frob", "orbalide-calc: unrecognized option '--frob'\nTry 'orbalide-calc", 2},
      {"", "inverse --precision=4", "orbalide-calc: invalid precision '4': 2, 3 or 7", 2},
      {"", "direct --unit", "orbalide-calc: option '--unit' requires an argument", 2},
      {"", "direct --ellipsoid clrk80", "orbalide-calc: unknown ellipsoid 'clrk80'", 2},
      {"LANG=fr_FR.UTF-8", "inverse absent",
       "orbalide-calc : impossible d'ouvrir « absent » : ", 2},
      {"", "inverse in many", "orbalide-calc: cannot open 'many': Is a directory\n", 2},
      {"LC_ALL=C LANG=fr_FR.UTF-8", "inverse --kml=t.kml --gpx=/absent/t.gpx",
       "orbalide-calc: cannot open", 2},
      {"LC_ALL= LANG=fr_FR.UTF-8", "inverse --precision=4", "orbalide-calc : précision « 4 »", 2},
      {"", "inverse --kml=", "orbalide-calc: option '--kml' requires an argument", 2},
      {"", "inverse --gpx=t.kml --kml=./t.kml", "orbalide-calc: './t.kml' is named for both", 2},
      {"LANG=fr_FR.UTF-8", "inverse --kml=/dev/full",
       kAnswer + "orbalide-calc : erreur d'écriture de « /dev/full » : " + full + "\n", 2},
      {"", "inverse --kml=in", "orbalide-calc: 'in' is read: it is not written over", 2},
      {"", "inverse --kml=out", "orbalide-calc: 'out' is the standard output: it is not written",
       2},
      // A standard output closed by the caller is not the file of geodesics opened next.
      {"sh -c 'exec \"$0\" \"$@\" >&-'", "inverse --kml=t.kml",
       "orbalide-calc: error writing standard output: Bad file descriptor\n", 2},
      {asUser, "inverse --kml=ro.kml", "orbalide-calc: cannot open 'ro.kml': Permission denied\n",
       2},
      {asUser, "inverse --kml=d/w.kml",
       "orbalide-calc: cannot write 'd/w.kml' whole: no temporary file beside it: Permission", 2},
      {asUser, "inverse --kml=s/w.kml",
       root ? "orbalide-calc: cannot replace 's/w.kml': Operation not permitted\n" : kAnswer,
       root ? 2 : 0},
      {"", "inverse --kml=err", "orbalide-calc: 'err' is the standard error: it is not", 2},
      {"", "inverse --kml=n.kml --gpx=" + longName, kAnswer, 0},
      {"", "inverse --kml=loop.kml",
       "orbalide-calc: cannot open 'loop.kml': Too many levels of symbolic links\n", 2},
      {"prlimit --nofile=12 --", "inverse many/*",
       [&] {
         std::string answers;
         for (int i = 0; i < 20; ++i) answers += kAnswer;
         return answers;
       }(),
       0},
      {"", "inverse --gpx=-", "orbalide-calc: option '--gpx' needs a file", 2},
      {"LANG=C LC_MESSAGES=fr", "invert", "orbalide-calc : commande « invert » inconnue", 2},
      {"LANG=fr_BE.UTF-8", "--help", "Usage : orbalide-calc direct [OPTION]... [FICHIER]...", 0},
      {"", "-h", "Usage: orbalide-calc direct [OPTION]... [FILE]...", 0},
      {"", "--version", "orbalide-calc (Orbalide) ", 0},
      {"", "--list-ellipsoids",
       "Name                PROJ +ellps\nWGS-84              WGS84\nGRS-80              GRS80\n"
       "Clarke 1866         clrk66\nClarke 1880         none: PROJ's clrk80 is another figure\n",
       0},
      // On the sphere a minute of arc is a nautical mile.
      {"", "inverse --unit=nm --ellipsoid='SPHÉ rique'", "0.000000000 0.000000000 1.00000000\n", 0},
      {"", "inverse - --ell=sphérique --unit nm", "0.000000000 0.000000000 1.00000000\n", 0},
      // A route's plain columns, names with blanks or quotes quoted, a comment ignored; a degree of
      // the equator is a·π/180 along either line.
      {"", "route",
       "1 \"Le Havre, FR\" \"\"\"Q\"\"\" 0.000000000 0.000000000 0.000000000 1.000000000 "
       "90.000000000 "
       "111319.4908 90.000000000 111319.4908\ntotal \"Le Havre, FR\" \"\"\"Q\"\"\" 0.000000000 "
       "0.000000000 0.000000000 1.000000000 \"\" 111319.4908 \"\" 111319.4908\n",
       0, "0 0 Le Havre, FR  # port\n0,0 1 \"\"\"Q\"\"\"\n"},
      {"", "route --csv",
       "leg;from;to;lat1;lon1;lat2;lon2;course;distance;gc_course;gc_distance\n1;Brest, FR;WP2;"
       "0,000000000;0,000000000;0,000000000;1,500000000;90,000000000;166979,2362;90,000000000;"
       "166979,2362\ntotal;Brest, FR;WP2;0,000000000;0,000000000;0,000000000;1,500000000;;"
       "166979,2362;;166979,2362\n",
       0, "lat;lon;nom\n0;0;Brest, FR\nN0 00,0;E1 30\n"},
      // Positions as GPS units write them; a zero-length leg's courses as the inverse's; names
      // that read as numbers quoted, or refused where a position may end them.
      {"", "direct --rhumb",
       "48.391666667 -4.483333333 0.000000000\n48.000000000 -4.000000000 45.000000000\n"
       "48.391666667 -4.483333333 90.000000000\n",
       0, "N48 23.500 W004 29.000 0 0\nN48 W4 45 0\n48 23,5 N 4 29 W 90 0\n"},
      {"", "route",
       "1 Brest \"12\" 48.391666667 -4.483333333 48.391666667 -4.483333333 180.000000000 0.0000 "
       "180.000000000 0.0000\n",
       0, "N48 23.500 W004 29.000 Brest\n48 23.500 N 004 29.000 W \"12\"\n"},
      {"", "route",
       "orbalide-calc: -:1: name begins with a number or an angle: write it in double quotes, or "
       "the position as 48.3917 -4.4833 or N48 23.500 W004 29.000\norbalide-calc: -:2: name begins",
       1, "48 23.5 -4 29.0 Brest\n0 0 N Cardinal\n"},
      // A passage stops at its waypoints that cannot be read, each named, or at the one where it
      // has no route, and writes nothing, the file it would have replaced left as it was.
      {"", "route --gpx=t.kml",
       "orbalide-calc: -:2: lat is beyond 90°\norbalide-calc: -:3: 1 field, 2 expected\n", 1,
       "48.38 -4.49 Brest\n91 0 B\nabc\n28.1 -15.4\n"},
      {"", "route --csv --kml=t.kml a.csv", "orbalide-calc: a.csv:2: lat is beyond 90°\n", 1},
      // Several inputs are one passage, its waypoints ranked across them (RhumbSolve, GeodSolve).
      {"", "route --csv - b.csv",
       "leg,from,to,lat1,lon1,lat2,lon2,course,distance,gc_course,gc_distance\n1,Here,WP2,"
       "0.000000000,0.000000000,1.000000000,2.000000000,63.587403585,248575.5662,63.581584896,"
       "248575.5652\n2,WP2,60:01,",
       0, "lat,lon\n0,0,Here\n"},
      {"", "route --kml=t.kml", "orbalide-calc: -:1: name is not UTF-8 text", 1, "0 0 \xff\n0 1\n"},
      // GPX files, recognised by their content: refused at their line, entities never expanded.
      {"", "route --gpx=t.kml", "orbalide-calc: -:2: not well-formed XML: mismatched tag\n", 1,
       "<gpx>\n<rte></gpx>"},
      {"", "route", "orbalide-calc: -:3: a point without a valid lon (-180 to 180)\n", 1,
       " <gpx>\n<wpt lat='1' lon='2'/>\n<wpt lat='1' lon='181'/></gpx>"},
      {"", "route", "orbalide-calc: -:1: entities are not read: the file declares one", 1,
       "<!DOCTYPE gpx [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><gpx><wpt lat='1' lon='2'><name>"
       "&x;</name></wpt><wpt lat='1' lon='3'/></gpx>"},
      {"LANG=fr_FR.UTF-8", "route --route=' 2'",
       "orbalide-calc: -: pas de route 2 : le fichier en a 1\n", 1, "<gpx><rte/></gpx>"},
      {"", "route",
       "1 WP1 WP2 0.000000000 0.000000000 0.000000000 1.000000000 90.000000000 111319.4908 "
       "90.000000000 111319.4908\ntotal WP1 WP2 0.000000000 0.000000000 0.000000000 1.000000000 "
       "\"\" 111319.4908 \"\" 111319.4908\norbalide-calc: -: no route: the file's waypoints "
       "(<wpt>) are read in order\n",
       0, "<gpx><wpt lat='0' lon='0'/><wpt lat='0' lon='1'/></gpx>"},
      {"", "route --route=B", "orbalide-calc: -: no route named \"B\"\n", 1, "<gpx><rte/></gpx>"},
      {"", "route --route=' '", "orbalide-calc: invalid argument ' ' for '--route'", 2},
      {"", "route",
       "orbalide-calc: -: no route nor waypoint: the file has no <rte> nor <wpt> (a track, <trk>, "
       "is "
       "not read)\n",
       1,
       "<gpx><trk><trkseg><trkpt lat='0' lon='0'/><trkpt lat='0' lon='1'/></trkseg></trk></gpx>"},
      {"", "route --route=2", "orbalide-calc: no route 2: no input is a GPX file\n", 1,
       "0 0\n0 1\n"},
      {"", "route --speed=6 --depart=2026-12-24T06:00",
       "orbalide-calc: invalid argument '2026-12-24T06:00' for '--depart': a date and time with "
       "its zone",
       2},
      {"", "route --depart=2026-12-24T06:00Z", "orbalide-calc: option '--depart' requires --speed",
       2},
      {"", "route --max-points=1", "orbalide-calc: invalid argument '1' for '--max-points'", 2},
      {"", "route --name-length=6x", "orbalide-calc: invalid argument '6x' for '--name-length'", 2},
      {"", "route --name-length=2",
       "orbalide-calc: invalid argument '2' for '--name-length': a whole number of at least 3\n",
       2},
      {"", "inverse --reverse", "orbalide-calc: option '--reverse' does not apply to 'inverse'", 2},
      {"", "route", "orbalide-calc: No route: the passage has no waypoint.\n", 1, " \n# none\n"},
      {"", "route",
       "orbalide-calc: -:3: No route: the passage has a single waypoint, hence no leg.\n", 1,
       "\n# Brest\n48 -4 Brest\n"},
      {"", "route --speed=6 --depart=9999-12-31T23:00Z",
       "orbalide-calc: -:2: No route: at this speed the arrival would fall after the year 9999.\n",
       1, "0 0\n0 1\n"},
      {"", "route --reverse --max-latitude=50",
       "orbalide-calc: -:2: No route: this waypoint lies poleward of the maximum latitude.\n", 1,
       "48 -4\n-60 0 South\n"},
      {"", "route --gpx=t.kml --max-latitude=50",
       "orbalide-calc: -:2: No route: this waypoint lies poleward of the maximum latitude.\n", 1,
       "48 -4\n-60 0 South\n"},
      {"", "route --gpx=t.kml --every=0.001",
       "orbalide-calc: -:2: No route: more than 100000 waypoints to make.\n", 1, "0 0\n0 1\n"},
      // Comments travel with their line; files are named, their lines numbered in each; the CSV
      // header once, its separator (and decimal commas) that of the first file read; columns
      // after the fourth travel too, across quoted line breaks, a trailing separator included.
      {"", "inverse",
       kAnswer.substr(0, kAnswer.size() - 1) + " # Brest, 1,5\n# seul\n# x\n" +
           "orbalide-calc: -:3: 2 fields, 4 expected\n",
       1, "60 0 60:01 0 # Brest, 1,5\n# seul\n1 2 # x\n"},
      {"", "inverse --csv a.csv - b.csv",
       "course1;course2;distance;nom\n;;;Brest, 3,5\n0,000000000;0,000000000;1856,8738\n\n"
       "0,000000000;0,000000000;1856,8738;B,7;x\n"
       "orbalide-calc: a.csv:2: lat1 is beyond 90°\norbalide-calc: b.csv:2: 2 fields, 4 expected\n",
       1, "lat1,lon1,lat2,lon2\n60,0,60:01,0\n"},
      {"", "inverse --csv",
       "course1,course2,distance,id,\n0.000000000,0.000000000,1856.8738,\"Le\nHavre\",\n,,,x\n\n"
       "orbalide-calc: -:4: lat1 is beyond 90°\norbalide-calc: -:5: quoted field not closed\n",
       1, "lat1,lon1,lat2,lon2,id,\n60,0,60:01,0,\"Le\nHavre\",\n91,0,0,0,x\n\"60,0\n1,1\n"},
      // Carried columns in the answers' dialect; a file without a header is read from its first
      // line, even where its first field is mistyped.
      {"", "inverse --csv - a.csv",
       "course1,course2,distance\n0.000000000,0.000000000,1856.8738\n,,,\"Brest, 3,5\"\n", 1,
       "lat1,lon1,lat2,lon2\n60,0,60:01,0\n"},
      {"", "inverse --csv",
       "course1,course2,distance\n\n0.000000000,0.000000000,1856.8738\n"
       "orbalide-calc: -:1: lat1 is not an angle\n",
       1, "6O,0,60:01,0\n60,0,60:01,0\n"},
  };
  for (const auto& c : commands) {
    const Outcome r = Execute(c.arguments, c.input, c.env);
    std::string written;
    for (const std::string& l : r.out) written += l + "\n";
    EXPECT_TRUE((written + r.err).starts_with(c.starts)) << c.arguments << ": " << written + r.err;
    EXPECT_EQ(r.status, c.status) << c.arguments;
    for (const std::string& l : r.out) {  // the help, the version, the list: within 80 columns
      const auto columns =
          std::count_if(l.begin(), l.end(), [](char b) { return (b & 0xC0) != 0x80; });
      EXPECT_TRUE(c.arguments[0] != '-' || columns <= 80) << l;
    }
  }
  // Ended by a signal or a closed pipe after its first answer (written at once, the next line not
  // at hand), a run leaves no temporary file, and the file it would have replaced whole.
  for (const int signal : kSignals) {
    Running run(dir_, "inverse --kml=t.kml --gpx=t.gpx");
    run.Write(kLine);
    EXPECT_EQ(run.ReadLine(), kAnswer);
    if (signal == SIGPIPE) {
      run.Close(run.out_);
      run.Write(kLine);
      run.Close(run.in_);
    } else {
      kill(run.pid, signal);
    }
    const int status = run.Wait();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
  }
  std::ostringstream kept, in;
  for (const char* k : {"t.kml", "ro.kml", "d/w.kml", "s/w.kml"})
    kept << std::ifstream(dir_ / k).rdbuf();
  in << std::ifstream(dir_ / "in").rdbuf();
  EXPECT_EQ(kept.str() + " " + in.str(), "keptkeptkeptkept " + std::end(commands)[-1].input);
  // in, out, err, 2 CSV, t.kml, ro.kml, d, s, many, the link and the file it leads to, the loop,
  // the long name: no temporary file left.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 14);
  EXPECT_TRUE(fs::is_symlink(dir_ / "n.kml") && fs::is_regular_file(dir_ / "nothere.kml"));
}

// 2,000 random geodesics each way, every other inverse line within 1° of antipodal, direct ones
// up to the longest distance answered (1e8 m): each figure within 1 mm and 1e-6° of
// GeographicLib's (courses where m12 is above 1 km), every line answered. The same lines along
// the rhumb line, but those that end at a pole: GeographicLib's within 0.1 mm and 1e-9°, the
// arrival's course the departure's, no arrival where it gives none (the line passes a pole).
// One direct line in four is of distance 0: its departure and course come back as printf writes
// them.
TEST_F(Calc, RandomLinesAgainstGeographicLib) {
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  std::mt19937_64 random(18);
  std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180), course(0, 360),
      distance(0, 1e8), degree(-1, 1);
  std::vector<std::array<double, 4>> inverse(2000), direct(2000);
  std::string inverseIn, directIn;
  for (std::size_t i = 0; i < inverse.size(); ++i) {
    const double lat1 = lat(random), lon1 = lon(random);
    inverse[i] = {lat1, lon1, lat(random), lon(random)};
    if (i % 2 == 1)
      inverse[i] = {lat1, lon1, std::clamp(degree(random) - lat1, -90.0, 90.0),
                    lon1 + 180 + degree(random)};
    direct[i] = {lat(random), lon(random), course(random), distance(random)};
    if (i % 4 == 0) direct[i][3] = 0;
    const auto [a, b, c, d] = inverse[i];
    const auto [w, x, y, z] = direct[i];
    inverseIn += Line({a, b, c, d});
    directIn += Line({w, x, y, z});
  }
  const Outcome ri = Execute("inverse", inverseIn), rd = Execute("direct", directIn);
  const Outcome li = Execute("inverse --rhumb", inverseIn),
                ld = Execute("direct --rhumb", directIn);
  ASSERT_EQ(ri.out.size() + li.out.size(), 2 * inverse.size());
  ASSERT_EQ(rd.out.size() + ld.out.size(), 2 * direct.size());
  EXPECT_EQ(ri.status + rd.status + li.status, 0);
  for (std::size_t i = 0; i < inverse.size(); ++i) {
    const auto [lat1, lon1, lat2, lon2] = inverse[i];
    const std::vector<std::string> f = Split(ri.out[i], ' ');
    ASSERT_EQ(f.size(), 3u) << i;
    double s12 = 0, azi1 = 0, azi2 = 0, m12 = 0;
    wgs84.Inverse(lat1, lon1, lat2, lon2, s12, azi1, azi2, m12);
    EXPECT_LT(m12 > 1000 ? Gap(std::stod(f[0]), azi1) + Gap(std::stod(f[1]), azi2) : 0, 1e-6) << i;
    EXPECT_NEAR(std::stod(f[2]), s12, 1e-3) << i;
    const std::vector<std::string> l = Split(li.out[i], ' ');
    EXPECT_EQ(l.at(0), l.at(1)) << i;
    if (std::fabs(lat2) == 90) continue;  // GeographicLib's pole is a point beside it, off lon2
    GeographicLib::Rhumb::WGS84().Inverse(lat1, lon1, lat2, lon2, s12, azi1);
    EXPECT_LT(Gap(std::stod(l[0]), azi1), 1e-9) << i;
    EXPECT_NEAR(std::stod(l[2]), s12, 1e-4) << i;
  }
  for (std::size_t i = 0; i < direct.size(); ++i) {
    const auto [lat1, lon1, azi1, s12] = direct[i];
    const std::vector<std::string> f = Split(rd.out[i], ' ');
    ASSERT_EQ(f.size(), 3u) << i;
    const std::vector<std::string> departure{Printf("%.9f", lat1), Printf("%.9f", lon1),
                                             Course(azi1)};
    EXPECT_TRUE(s12 != 0 || f == departure) << i;
    double lat2 = 0, lon2 = 0, azi2 = 0, miss = 0;
    wgs84.Direct(lat1, lon1, azi1, s12, lat2, lon2, azi2);
    wgs84.Inverse(std::stod(f[0]), std::stod(f[1]), lat2, lon2, miss);
    EXPECT_LT(std::fabs(std::stod(f[0]) - lat2) + Gap(std::stod(f[1]), lon2), 1e-6) << i;
    EXPECT_LT(Gap(std::stod(f[2]), azi2), 1e-6) << i;
    EXPECT_LT(miss, 1e-3) << i;
    const std::vector<std::string> l = Split(ld.out[i], ' ');
    GeographicLib::Rhumb::WGS84().Direct(lat1, lon1, azi1, s12, lat2, lon2);
    ASSERT_EQ(l.size(), std::isnan(lon2) ? 0u : 3u) << i;
    if (l.empty()) continue;
    wgs84.Inverse(std::stod(l[0]), std::stod(l[1]), lat2, lon2, miss);
    EXPECT_LT(std::fabs(std::stod(l[0]) - lat2), 1e-9) << i;
    EXPECT_LT(miss, 1e-4) << i;
    EXPECT_EQ(l[2], Course(azi1)) << i;
  }
}

// Karney's set, both ways on every row: every line answered; each distance and each arrival
// within 1 mm of the tabulated geodesic, latitudes within 1e-6°; courses and longitudes within
// 1e-6° on the random rows (1–2,000). Elsewhere Vincenty's angles drift where they are
// ill-conditioned: courses of geodesics of a few metres (5e-6°) or ending near a vertex (0.003°),
// longitudes near the poles.
TEST_F(Calc, KarneysTestSet) {
  gzFile file = gzopen(ORBALIDE_GEODTEST, "rb");
  if (file == nullptr) GTEST_SKIP() << "test set not found: " << ORBALIDE_GEODTEST;
  std::vector<std::array<double, 7>> rows;
  std::string inverseIn, directIn;
  std::array<char, 512> line{};
  for (std::array<double, 7> r{}; gzgets(file, line.data(), static_cast<int>(line.size()));) {
    std::sscanf(line.data(), "%lf %lf %lf %lf %lf %lf %lf", &r[0], &r[1], &r[2], &r[3], &r[4],
                &r[5], &r[6]);
    rows.push_back(r);
    inverseIn += Line({r[0], r[1], r[3], r[4]});
    directIn += Line({r[0], r[1], r[2], r[6]});
  }
  gzclose(file);
  const Outcome ri = Execute("inverse", inverseIn), rd = Execute("direct", directIn);
  ASSERT_EQ(ri.out.size(), rows.size());
  ASSERT_EQ(rd.out.size(), rows.size());
  EXPECT_EQ(ri.status + rd.status, 0);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto [lat1, lon1, azi1, lat2, lon2, azi2, s12] = rows[i];
    const double random = i < 2000 ? 1 : 0;
    if (const std::vector<std::string> f = Split(ri.out[i], ' '); f.size() == 3) {
      EXPECT_LT(random * (Gap(std::stod(f[0]), azi1) + Gap(std::stod(f[1]), azi2)), 1e-6) << i;
      EXPECT_NEAR(std::stod(f[2]), s12, 1e-3) << i;
    }
    const std::vector<std::string> f = Split(rd.out[i], ' ');
    double miss = 0;
    GeographicLib::Geodesic::WGS84().Inverse(std::stod(f[0]), std::stod(f[1]), lat2, lon2, miss);
    EXPECT_LT(std::fabs(std::stod(f[0]) - lat2), 1e-6) << i;
    EXPECT_LT(random * (Gap(std::stod(f[1]), lon2) + Gap(std::stod(f[2]), azi2)), 1e-6) << i;
    EXPECT_LT(miss, 1e-3) << i;
  }
}

// --dms writes every angle as the window's boxes show a position, courses and longitudes with
// three digits of degrees; a zero is not south or west, nor a course of 360° other than 0, in
// either notation. Random arrivals, as GeographicLib reads the texts, within half their last
// digit of its own; read back with --csv, the distance within what the seconds' precision
// allows, in nautical miles as given.
TEST_F(Calc, DegreesMinutesSecondsReadBack) {
  const struct {
    const char* arguments;
    const char* line;  // distance 0: the arrival is the departure, as given
    const char* expected;
  } written[] = {
      {"direct --dms", "0 0 90 0", "00°00′00.000″N 000°00′00.000″E 090°00′00.000″"},
      {"direct --dms", "-1e-12 -1e-12 359.9999999999 0",
       "00°00′00.000″N 000°00′00.000″E 000°00′00.000″"},
      {"direct", "-1e-12 -1e-12 359.9999999999 0", "0.000000000 0.000000000 0.000000000"},
      {"direct", "0 0 359.9999999994 0", "0.000000000 0.000000000 359.999999999"},
      {"direct --rhumb", "0 0 -90 0", "0.000000000 0.000000000 270.000000000"},
      {"direct --dms --precision=2", "10:00:59.999S 179:59:59.999W 44.99999999 0",
       "10°01′00.00″S 180°00′00.00″W 045°00′00.00″"},
      {"direct --dms --precision=7", "0 0 359.99999999 0",
       "00°00′00.0000000″N 000°00′00.0000000″E 359°59′59.9999640″"},
  };
  for (const auto& w : written) EXPECT_EQ(Execute(w.arguments, w.line).out.at(0), w.expected);
  std::mt19937_64 random(1852);
  std::uniform_real_distribution<double> lat(-89, 89), lon(-180, 180), course(0, 360), nm(1, 1e4);
  for (const int decimales : {2, 7}) {
    std::string directIn = "lat1,lon1,course1,distance\n", inverseIn = directIn;
    std::vector<std::array<double, 4>> lines(200);
    for (auto& [lat1, lon1, course1, distance] : lines) {
      lat1 = lat(random), lon1 = lon(random), course1 = course(random), distance = nm(random);
      directIn += Line({lat1, lon1, course1, distance}, ",");
    }
    const std::string options = " --csv --dms --unit=nm --precision=" + std::to_string(decimales);
    const Outcome direct = Execute("direct" + options, directIn);
    ASSERT_EQ(direct.out.size(), lines.size() + 1);
    EXPECT_EQ(direct.out[0], "lat2,lon2,course2");
    // Each digit a 9, each hemisphere N or E.
    const std::string s = "99′99." + std::string(static_cast<std::size_t>(decimales), '9') + "″";
    const std::string picture = "99°" + s + "N,999°" + s + "E,999°" + s;
    const auto shape = [](std::string text) {
      for (char& c : text) c = std::isdigit(static_cast<unsigned char>(c)) ? '9' : c;
      std::replace(text.begin(), text.end(), 'S', 'N');
      std::replace(text.begin(), text.end(), 'W', 'E');
      return text;
    };
    const double half = 0.5 * std::pow(10, -decimales) / 3600 + 1e-8;  // the last digit's, in °
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto [lat1, lon1, course1, distance] = lines[i];
      double lat2 = 0, lon2 = 0, azi2 = 0;
      GeographicLib::Geodesic::WGS84().Direct(lat1, lon1, course1, distance * 1852, lat2, lon2,
                                              azi2);
      EXPECT_EQ(shape(direct.out[i + 1]), picture);
      const std::vector<std::string> f = Split(direct.out[i + 1], ',');
      GeographicLib::DMS::flag axis{};
      EXPECT_NEAR(GeographicLib::DMS::Decode(f.at(0), axis), lat2, half) << f[0];
      EXPECT_LT(Gap(GeographicLib::DMS::Decode(f.at(1), axis), lon2), half) << f[1];
      EXPECT_LT(Gap(GeographicLib::DMS::Decode(f.at(2), axis), azi2), half) << f[2];
      std::string departure = Line({lat1, lon1}, ",");
      departure.back() = ',';
      inverseIn += departure + f[0] + "," + f[1] + "\n";
    }
    const Outcome inverse = Execute("inverse --csv --unit=nm", inverseIn);
    ASSERT_EQ(inverse.out.size(), lines.size() + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const double back = std::stod(Split(inverse.out[i + 1], ',').at(2));
      // Seconds to 0.005″ place a point within 0.15 m each way; to 5e-8″, within 2 µm.
      EXPECT_NEAR(back, lines[i][3], decimales == 2 ? 2e-4 : 1e-7) << i;
    }
  }
}

// The geodesic of each line answered, sampled as the window's route is (at most 10 km apart, a
// negative distance as finely as a positive one), in one KML document (written through the
// symbolic link named, which stays) and one GPX file: a placemark and a track a line, named after
// it (and its input when there are several), described by its answer; GPX's longitudes from −180
// included to 180 excluded, KML's first point of a track within −180…180 and the next ones
// continuous across the 180° meridian.
TEST_F(Calc, TracksAsKmlAndGpx) {
  std::ofstream(dir_ / "k.kml"), fs::create_symlink("k.kml", dir_ / "t.kml");
  const Outcome r =
      Execute("direct --kml=t.kml --gpx=t.gpx",
              "10 179.95 90 25000\nbad\n-33.5 151.25 225 500000\n0 180 0 -20000\n10 500 90 1000\n");
  EXPECT_EQ(r.status, 1);
  auto kml = Elements(dir_ / "k.kml"), gpx = Elements(dir_ / "t.gpx");
  EXPECT_EQ(kml["xmlns"].at(0), "http://www.opengis.net/kml/2.2");
  EXPECT_EQ(kml["name"], (std::vector<std::string>{"orbalide-calc direct", "line 1", "line 3",
                                                   "line 4", "line 5"}));
  EXPECT_EQ(kml["description"], (std::vector{r.out[0], r.out[2], r.out[3], r.out[4]}));
  EXPECT_EQ(gpx["xmlns"].at(0) + " " + gpx["version"].at(0),
            "http://www.topografix.com/GPX/1/1 1.1");
  EXPECT_EQ(gpx["name"], (std::vector<std::string>{"line 1", "line 3", "line 4", "line 5"}));
  EXPECT_EQ(gpx["desc"], kml["description"]);
  std::vector<std::string> kmlPoints, firstPoints;
  for (const std::string& line : kml["coordinates"]) {
    const std::size_t first = kmlPoints.size();
    for (const std::string& p : Split(line, '\n'))
      if (p.find(',') != std::string::npos) kmlPoints.push_back(p.substr(0, p.find('\r')));
    firstPoints.push_back(Split(kmlPoints.at(first), ',').at(0));
  }
  // 3 steps of 25 km ÷ 3, 50 of 10 km, 2 of 10 km back along the course, 1 of 1 km.
  ASSERT_EQ(kmlPoints.size(), 4u + 51u + 3u + 2u);
  EXPECT_EQ(kmlPoints[0], "179.95,10");
  EXPECT_GT(std::stod(kmlPoints[3]), 180);
  EXPECT_EQ(firstPoints, (std::vector<std::string>{"179.95", "151.25", "180", "140"}));
  const std::vector<std::string>& points = gpx["trkpt"];
  ASSERT_EQ(points.size(), kmlPoints.size());
  for (const std::string& p : points) {
    const double lon = std::stod(p.substr(p.find(' ')));
    EXPECT_TRUE(lon >= -180 && lon < 180) << p;
  }
  for (const std::size_t k : {0u, 1u})  // the last point is the arrival
    EXPECT_NEAR(std::stod(Split(points[3], ' ')[k]), std::stod(Split(r.out[0], ' ')[k]), 1e-9);
  EXPECT_EQ(points[4], "-33.5 151.25");
  EXPECT_EQ(points[55], "0 -180");
  EXPECT_LT(std::stod(points[57]), -0.18);  // 20 km south
  // With several inputs, each track (of a nearly antipodal line too) is named after its input and
  // line, with U+FFFD for what is no XML text: Latin-1's "é", a control character.
  std::ofstream(dir_ / "\xE9\x01") << "0 0 1 1\n";
  Execute("inverse --gpx=u.gpx - in '\xE9\x01'", "0 0 0.5 179.7\n");
  EXPECT_EQ(Elements(dir_ / "u.gpx")["name"], Split("-:1 in:1 \uFFFD\uFFFD:1", ' '));
  // Along the rhumb line east, a track keeps to its parallel.
  for (const auto& [command, line] : {std::pair{"direct --rhumb --gpx=r.gpx", "10 179.95 90 25e3"},
                                      {"inverse --rhumb --gpx=r.gpx", "10 179.95 10 -179.8"}}) {
    Execute(command, line);
    const std::vector<std::string> parallel = Elements(dir_ / "r.gpx")["trkpt"];
    EXPECT_EQ(parallel.size(), 4u) << command;
    for (const std::string& p : parallel) EXPECT_TRUE(p.starts_with("10 ")) << p;
  }
}

// Routes in CSV under their header, at 6 knots: from waypoints, from the GPX route written, cut or
// not (its own read back: the same rows and full names), sailed back from a departure, and with
// plotters' names, the route's own too.
// Each leg steered is GeographicLib's rhumb line and geodesic between the positions as written
// (within 0.1 mm: 0.2 mm, 1 mm, 1e-9° and 1e-7° off what 0.1 mm turns the course by), the first
// made waypoint 300 nm along the first geodesic, each time its leg's length at 6 knots to the
// minute, the time since the first waypoint their sum, each ETA the departure (as GNU date reads
// it) plus that, in UTC to the minute, the last row the sums; names quoted as CSV has them. The GPX
// file holds every waypoint where the legs start, read by GDAL as as many routes as cut; its names
// within the length are plain ASCII, unique, and gpsbabel's NMEA keeps them; the KML document a
// placemark for each and one for the line of the legs.
TEST_F(Calc, Routes) {
  const std::string csv =
      "lat,lon,name\n48.38,-4.49,Brest\n\n38.7,-9.15,\"Lisbon, \"\"Lisboa\"\"\"\n28.1,-15.4\n";
  const struct {
    std::string arguments, input, gpx;  // the GPX file written
    std::string names;                  // the first row's and the last one's
    std::string route;                  // the first route's name and description
    std::size_t routes = 1;
    std::size_t same = 0;  // from 1: the run whose rows and GPX <desc>s these are, its GPX read
  } runs[] = {
      {"--kml=r.kml --max-points=250 -", csv, "r.gpx", "Brest WP3", "Brest–WP3|"},
      {"r.gpx", "", "same.gpx", "Brest WP3", "Brest–WP3|", 1, 1},
      {"--reverse --depart=2026-12-24T07:00+01:00 r.gpx", "", "back.gpx", "WP3 Brest",
       "WP3–Brest|"},
      {"--kml=s.kml --name-length=6 --max-points=3 back.gpx", "", "short.gpx", "WP3 Brest",
       "WP3-Brest 1/3|WP3–Brest", 3},
      {"--name-length=6 --max-points=3 --route=wp3-brest short.gpx", "", "again.gpx", "WP3 Brest",
       "WP3-Brest 1/3|WP3–Brest", 3, 4},
  };
  const auto time = [](double hours) {
    const long minutes = std::lround(hours * 60);
    return std::to_string(minutes / 60) + (minutes % 60 < 10 ? ":0" : ":") +
           std::to_string(minutes % 60);
  };
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  std::vector<std::vector<std::string>> rows;
  for (const auto& run : runs) {
    SCOPED_TRACE(run.arguments);
    const Outcome r = Execute(
        "route --csv --unit=nm --every=300 --speed=6 --gpx=" + run.gpx + " " + run.arguments,
        run.input);
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.out.size(), 8u);
    auto gpx = Elements(dir_ / run.gpx);
    rows.push_back(r.out);
    rows.back().insert(rows.back().end(), gpx["desc"].begin(), gpx["desc"].end());
    if (run.same > 0) {
      EXPECT_EQ(rows.back(), rows.at(run.same - 1));
    }
    const bool eta = run.arguments.find("--depart") != std::string::npos;
    EXPECT_EQ(r.out[0],
              "leg,from,to,lat1,lon1,lat2,lon2,course,distance,gc_course,gc_distance,"
              "time,elapsed" +
                  std::string(eta ? ",eta" : ""));
    EXPECT_EQ(Split(r.out[1], ',')[1] + " " + Split(r.out[7], ',')[2], run.names);
    ASSERT_EQ(gpx["rtept"].size(), 7 + run.routes - 1);
    EXPECT_EQ(gpx["name"].at(0) + "|" + (gpx["desc"].empty() ? "" : gpx["desc"][0]), run.route);
    double rhumbs = 0, geodesics = 0, hours = 0, s = 0, azi = 0, azi2 = 0;
    for (std::size_t i = 1; i < r.out.size(); ++i) {
      const std::vector<std::string> f = Split(r.out[i], ',');
      const std::size_t e = eta ? 1 : 0;
      const auto field = [&](std::size_t fromEnd) {
        return std::stod(f.at(f.size() - fromEnd - e));
      };
      const double lat1 = field(10), lon1 = field(9), lat2 = field(8), lon2 = field(7);
      std::string times = f[f.size() - 2 - e] + " " + f[f.size() - 1 - e];
      if (eta) {
        const double elapsed = i < 7 ? hours + field(5) / 6 : hours;  // 2026-12-24T06:00Z on
        const std::time_t arrival = 1798092000 + std::lround(elapsed * 60) * 60;

        std::array<char, 32> text{};
        std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%MZ", std::gmtime(&arrival));
        EXPECT_EQ(f.back(), text.data()) << i;
        const std::string seconds = f.back().substr(0, 16) + ":00Z";  // the GPX point's time
        EXPECT_EQ(i < 7 ? gpx["time"].at(i) : gpx["time"].at(0),
                  i < 7 ? seconds : "2026-12-24T06:00:00Z");
      }
      if (i == 7) {
        EXPECT_NEAR(field(5), rhumbs, 1e-7);
        EXPECT_NEAR(field(3), geodesics, 1e-7);
        EXPECT_EQ(times, time(hours) + " " + time(hours));
        break;
      }
      EXPECT_EQ(f[0], std::to_string(i));
      double lat = 0, lon = 0;
      const std::size_t k = i - 1;  // routes of 3 points start where the one before ended
      std::istringstream(gpx["rtept"][run.routes > 1 ? k + k / 2 : k]) >> lat >> lon;
      EXPECT_LT(std::fabs(lat - lat1) + std::fabs(lon - lon1), 1e-9) << i;
      if (i == 1) {
        wgs84.Inverse(lat1, lon1, lat2, lon2, s);
        EXPECT_NEAR(s, 300 * 1852, 1e-3);
      }
      GeographicLib::Rhumb::WGS84().Inverse(lat1, lon1, lat2, lon2, s, azi);
      EXPECT_LT(Gap(field(6), azi), 1e-9 + 0.006 / s) << i;  // positions within 0.1 mm
      EXPECT_NEAR(field(5) * 1852, s, 2e-4) << i;
      wgs84.Inverse(lat1, lon1, lat2, lon2, s, azi, azi2);
      EXPECT_LT(Gap(field(4), azi), 1e-7 + 0.006 / s) << i;
      EXPECT_NEAR(field(3) * 1852, s, 1e-3) << i;
      rhumbs += field(5), geodesics += field(3), hours += field(5) / 6;
      EXPECT_EQ(times, time(field(5) / 6) + " " + time(hours)) << i;
    }
    // GDAL reads as many routes; gpsbabel's NMEA, which shortens names to 6 characters, keeps
    // them as they are: ASCII, unique, short enough.
    const std::string file = (dir_ / run.gpx).string();
    FILE* pipe = popen(("ogrinfo -ro -so " + file + " routes 2>&1; gpsbabel -r -i gpx -f " + file +
                        " -x transform,wpt=rte -o nmea -F - 2>&1")
                           .c_str(),
                       "r");
    std::string tools(1 << 16, '\0');
    tools.resize(std::fread(tools.data(), 1, tools.size(), pipe));
    pclose(pipe);
    EXPECT_NE(tools.find("Feature Count: " + std::to_string(run.routes) + "\n"), std::string::npos)
        << tools;
    if (run.routes == 1) continue;
    std::set<std::string> names{Split(r.out[6], ',')[2]};  // every row's from, the last one's to
    for (std::size_t i = 1; i < 7; ++i) names.insert(Split(r.out[i], ',')[1]);
    EXPECT_EQ(names.size(), 7u);
    for (const std::string& n : names) {
      EXPECT_NE(tools.find("," + n + "*"), std::string::npos) << n << tools;
      EXPECT_TRUE(n.size() <= 6 && std::all_of(n.begin(), n.end(), [](char c) { return c > 0; }));
    }
    EXPECT_EQ(std::count(gpx["desc"].begin(), gpx["desc"].end(), "Lisbon, \"Lisboa\""), 1);
  }
  // 5° of the equator are 300.5 nm: 300 waypoints made.
  const Outcome plotter = Execute("route --unit=nm --every=1 --gpx=p.gpx", "0 0\n0 5\n");
  EXPECT_EQ(plotter.err,
            "orbalide-calc: warning: a GPX route of 302 points; many chart plotters take at most "
            "250 (see --max-points)\n");
  EXPECT_EQ(Execute("route --unit=nm --every=1 --gpx=p.gpx --max-points=250", "0 0\n0 5\n").err,
            "");
  auto kml = Elements(dir_ / "r.kml");
  EXPECT_EQ(kml["Placemark"].size(), 8u);
  EXPECT_EQ(Elements(dir_ / "s.kml")["name"].at(0), "WP3-Brest");
  EXPECT_EQ(kml["description"], std::vector<std::string>{"Legs steered, along their rhumb lines"});
}
