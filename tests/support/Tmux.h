// Running programs in a detached tmux of their own and reading what its pane
// shows: for the tests of the terminal back end and of the game itself.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace testing_support {

// ---- Running tmux ------------------------------------------------------------

struct Result {
    int status = -1;
    std::string output;
};

// Runs a program (no shell in between) and collects its standard output.
inline Result Run(std::vector<std::string> const& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    pid_t const pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        std::freopen("/dev/null", "w", stderr);
        std::freopen("/dev/null", "r", stdin);
        setenv("LC_ALL", "C.UTF-8", 1);
        std::vector<char*> argv;
        for (std::string const& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    Result result;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        result.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

inline bool HaveTmux() { return Run({"tmux", "-V"}).status == 0; }

inline std::string Quote(std::string const& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// One cell of the pane as capture-pane -e shows it (colours -1: the
// terminal's own).
struct PaneCell {
    std::string glyph = " ";
    int foreground = -1;
    int background = -1;
    bool bold = false;
};

using Pane = std::vector<std::vector<PaneCell>>;

// Reads the SGR sequences of capture-pane -e (their effect runs on across
// lines) into cells; the rest of each line is blank in the terminal's colours.
inline Pane ParsePane(std::string const& capture) {
    Pane pane(1);
    PaneCell pen;
    for (std::size_t i = 0; i < capture.size();) {
        unsigned char const c = static_cast<unsigned char>(capture[i]);
        if (c == '\n') {
            pane.emplace_back();
            ++i;
        } else if (c == 27 && i + 1 < capture.size() && capture[i + 1] == '[') {
            std::size_t const end = capture.find_first_of("ABCDEFGHJKSTfmnsu", i + 2);
            if (end == std::string::npos) {
                break;
            }
            if (capture[end] == 'm') {
                std::vector<int> codes;
                std::string const params = capture.substr(i + 2, end - i - 2);
                std::size_t pos = 0;
                do {
                    std::size_t const next = params.find(';', pos);
                    std::string const one = params.substr(pos, next == std::string::npos ? next : next - pos);
                    codes.push_back(one.empty() ? 0 : std::atoi(one.c_str()));
                    pos = next == std::string::npos ? next : next + 1;
                } while (pos != std::string::npos);
                for (std::size_t k = 0; k < codes.size(); ++k) {
                    int const code = codes[k];
                    if (code == 0) {
                        pen = PaneCell{};
                    } else if (code == 1) {
                        pen.bold = true;
                    } else if (code == 22) {
                        pen.bold = false;
                    } else if (code >= 30 && code <= 37) {
                        pen.foreground = code - 30;
                    } else if (code >= 90 && code <= 97) {
                        pen.foreground = code - 90 + 8;
                    } else if (code == 39) {
                        pen.foreground = -1;
                    } else if (code >= 40 && code <= 47) {
                        pen.background = code - 40;
                    } else if (code >= 100 && code <= 107) {
                        pen.background = code - 100 + 8;
                    } else if (code == 49) {
                        pen.background = -1;
                    } else if ((code == 38 || code == 48) && k + 2 < codes.size() && codes[k + 1] == 5) {
                        (code == 38 ? pen.foreground : pen.background) = codes[k + 2];
                        k += 2;
                    }
                }
            }
            i = end + 1;
        } else {
            std::size_t len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            PaneCell cell = pen;
            cell.glyph = capture.substr(i, len);
            pane.back().push_back(cell);
            i += len;
        }
    }
    return pane;
}

// A tmux server of its own for one test, killed at the end whatever happens.
class Tmux {
public:
    Tmux() {
        static int count = 0;
        socket_ = "mothership-test-" + std::to_string(getpid()) + "-" + std::to_string(++count);
        // Where tmux puts it; the server leaves it behind when its last pane ends.
        socketPath_ = Getenv("TMUX_TMPDIR", "/tmp") + "/tmux-" + std::to_string(getuid()) + "/" + socket_;
    }
    ~Tmux() {
        Command({"kill-server"});
        unlink(socketPath_.c_str());
    }
    Tmux(Tmux const&) = delete;
    Tmux& operator=(Tmux const&) = delete;

    Result Command(std::vector<std::string> const& args) const {
        std::vector<std::string> all{"tmux", "-u", "-f", "/dev/null", "-L", socket_};
        all.insert(all.end(), args.begin(), args.end());
        return Run(all);
    }

    // Starts `command` (a shell command line) in a pane of the given size,
    // with a clean environment: TERM and the locale as given.
    void Start(std::string const& command, int columns = 80, int rows = 25,
               std::string const& term = "tmux-256color", std::string const& locale = "C.UTF-8") {
        std::string env = "env -i PATH=" + Quote(Getenv("PATH", "/usr/bin:/bin")) +
                          " HOME=/tmp TERM=" + term + " LANG=" + locale + " LC_ALL=" + locale + " PS1='$ '";
        for (char const* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
            if (char const* value = std::getenv(name)) {
                env += std::string(" ") + name + "=" + Quote(value);
            }
        }
        Result const r = Command({"new-session", "-d", "-s", "t", "-x", std::to_string(columns), "-y",
                                  std::to_string(rows), env + " " + command});
        ASSERT_EQ(r.status, 0) << "tmux would not start";
    }

    void Keys(std::vector<std::string> const& keys) const {
        std::vector<std::string> args{"send-keys", "-t", "t"};
        args.insert(args.end(), keys.begin(), keys.end());
        Command(args);
    }
    // Types text literally (as hexadecimal bytes, so that tmux reads no
    // command separators in it).
    void Type(std::string const& text) const {
        std::vector<std::string> args{"send-keys", "-t", "t", "-H"};
        for (unsigned char c : text) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", c);
            args.push_back(hex);
        }
        Command(args);
    }
    void Resize(int columns, int rows) const { Command(ResizeArguments(columns, rows)); }
    // That resize as a shell command line, for another program to run.
    std::string ResizeCommandLine(int columns, int rows) const {
        std::string line = "tmux -u -f /dev/null -L " + Quote(socket_);
        for (std::string const& a : ResizeArguments(columns, rows)) {
            line += ' ';
            line += Quote(a);
        }
        return line;
    }
    std::string Text() const { return Command({"capture-pane", "-p", "-t", "t"}).output; }
    Pane Cells() const { return ParsePane(Command({"capture-pane", "-p", "-e", "-t", "t"}).output); }
    std::string Show(std::string const& format) const {
        std::string out = Command({"display-message", "-p", "-t", "t", format}).output;
        while (!out.empty() && out.back() == '\n') {
            out.pop_back();
        }
        return out;
    }
    // Row `y` of the pane's text.
    std::string Row(int y) const { return RowOf(Text(), y); }

    static std::string RowOf(std::string const& text, int y) {
        std::size_t start = 0;
        for (int i = 0; i < y; ++i) {
            start = text.find('\n', start);
            if (start == std::string::npos) {
                return {};
            }
            ++start;
        }
        return text.substr(start, text.find('\n', start) - start);
    }

    // How long a wait on the pane lasts before it counts as failed: long, for
    // a machine running every test at once is slow to start and draw.
    static constexpr std::chrono::seconds kDeadline{20};

    // Polls the pane's text until `ready` holds or the deadline passes.
    bool WaitFor(std::function<bool(std::string const&)> const& ready) const {
        auto const deadline = std::chrono::steady_clock::now() + kDeadline;
        while (std::chrono::steady_clock::now() < deadline) {
            if (ready(Text())) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // Waits until the pane, colours and all, stays the same between two
    // looks: a screen reaches the terminal in several writes, and a look
    // between them shows part of it. Not for screens that animate.
    bool WaitUntilStill() const {
        auto const deadline = std::chrono::steady_clock::now() + kDeadline;
        std::string last = Command({"capture-pane", "-p", "-e", "-t", "t"}).output;
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            std::string now = Command({"capture-pane", "-p", "-e", "-t", "t"}).output;
            if (now == last) {
                return true;
            }
            last = std::move(now);
        }
        return false;
    }
    bool WaitForText(std::string const& wanted) const {
        return WaitFor([&](std::string const& t) { return t.find(wanted) != std::string::npos; });
    }

private:
    static std::vector<std::string> ResizeArguments(int columns, int rows) {
        return {"resize-window", "-t", "t", "-x", std::to_string(columns), "-y", std::to_string(rows)};
    }
    static std::string Getenv(char const* name, char const* fallback) {
        char const* value = std::getenv(name);
        return value != nullptr ? value : fallback;
    }
    std::string socket_;
    std::string socketPath_;
};

// Runs `program` from a shell, ends it with `end`, and checks that the shell
// then works as before: typed text echoes, output comes in default colours on
// its own line, the cursor shows, the game's screen is gone.
inline void ExpectTerminalGivenBack(std::string const& program, std::string const& ready,
                                    std::function<void(Tmux&)> const& end,
                                    std::string const& expectedStatus) {
    Tmux tmux;
    tmux.Start("sh");
    ASSERT_TRUE(tmux.WaitForText("$"));
    tmux.Type(program + "; echo status=$?\n");
    ASSERT_TRUE(tmux.WaitForText(ready)) << tmux.Text();
    EXPECT_EQ(tmux.Show("#{alternate_on}"), "1");
    end(tmux);
    // The status line and the shell's next prompt: text typed before the
    // prompt shows would echo ahead of it.
    ASSERT_TRUE(tmux.WaitFor([](std::string const& t) {
        std::size_t const status = t.find("\nstatus=");
        return status != std::string::npos && t.find("\n$", status + 1) != std::string::npos;
    })) << tmux.Text();
    if (!expectedStatus.empty()) {
        EXPECT_NE(tmux.Text().find("\nstatus=" + expectedStatus + "\n"), std::string::npos) << tmux.Text();
    }
    tmux.Type("echo typed-$((6*7))\n");
    ASSERT_TRUE(tmux.WaitForText("\ntyped-42")) << tmux.Text();
    std::string const text = tmux.Text();
    EXPECT_NE(text.find("$ echo typed-$((6*7))\n"), std::string::npos) << "typed text echoes\n" << text;
    EXPECT_EQ(tmux.Show("#{cursor_flag} #{alternate_on}"), "1 0");
    Pane const pane = tmux.Cells();
    for (std::vector<PaneCell> const& row : pane) {
        if (row.size() >= 8 && row[0].glyph == "t" && row[5].glyph == "-") {
            for (PaneCell const& cell : row) {
                EXPECT_EQ(cell.foreground, -1) << "colours were reset";
                EXPECT_EQ(cell.background, -1) << "colours were reset";
                EXPECT_FALSE(cell.bold);
            }
        }
    }
}

}  // namespace testing_support

// Skips a test where tmux is not installed.
#define REQUIRE_TMUX()                                                       \
    do {                                                                     \
        if (!::testing_support::HaveTmux()) {                                \
            GTEST_SKIP() << "tmux is not installed: terminal tests skipped"; \
        }                                                                    \
    } while (0)
