// colorport-sim: the instrument on a pseudo-terminal. Prints the slave path it
// serves as its first line, then answers frames until it is stopped.
#include <poll.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tools/colorport_sim/faults.h"
#include "tools/colorport_sim/instrument.h"
#include "tools/colorport_sim/model_numbers.h"
#include "tools/colorport_sim/pty_line.h"
#include "tools/colorport_sim/sim_commands.h"
#include "tools/colorport_sim/sim_frame.h"

namespace {
using namespace colorport::sim;

void usage() {
  std::fprintf(
      stderr,
      "usage: colorport-sim [--pace] [--model TEXT] [--standards N] [--records-per-frame N]\n"
      "                     [--uncalibrated] [--seed N]\n"
      "                     [--no-answer N] [--status CODE [N]] [--garbage N] [--split] [--merge]\n"
      "                     [--truncate N [SKIP]] [--stall MS] [--vanish-after N]\n"
      "                     [--until-eof]\n"
      "Control lines on standard input set further faults: no-answer N, status CODE [N],\n"
      "garbage N, split, merge, truncate N [SKIP], stall MS, vanish-after N, vanish.\n"
      "Each is answered \"ok\". With --until-eof the simulator ends when standard input\n"
      "closes, so a program that starts it as its child takes it along when it ends.\n");
}

// Sends one answer frame with whatever faults are due.
void sendFrame(PtyLine& line, Faults& faults, const Bytes& frame, bool afterAck) {
  if (afterAck && faults.stallMs > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(faults.stallMs));
    faults.stallMs = 0;
  }
  Bytes out;
  Bytes sent = frame;
  if (faults.truncate >= 0 && faults.truncateSkip-- == 0) {
    sent = truncatedFrame(frame, static_cast<std::size_t>(faults.truncate));
    faults.truncate = -1;
    faults.truncateSkip = 0;
  }
  static const std::uint8_t noise[] = {0x00, 0x13, 0x55, 0x11, 0xFE, 0xAA, 0x7F};
  for (int i = 0; i < faults.garbage; ++i) out.push_back(noise[i % sizeof noise]);
  faults.garbage = 0;
  if (faults.merge) {
    const std::uint8_t stray[] = {0x00, 0x00};
    const Bytes f = instrumentFrame(kStrayFrame, 0, stray);
    out.insert(out.end(), f.begin(), f.end());
    faults.merge = false;
  }
  out.insert(out.end(), sent.begin(), sent.end());
  if (faults.split) {
    faults.split = false;
    const std::size_t half = out.size() / 2;
    line.write({out.data(), half});
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    line.write({out.data() + half, out.size() - half});
    return;
  }
  line.write(out);
}

void serve(PtyLine& line, Instrument& instrument, Faults& faults, const HostFrame& request) {
  if (faults.vanishAfter == 0) {
    line.vanish();
    std::exit(0);
  }
  if (faults.vanishAfter > 0) --faults.vanishAfter;
  if (faults.noAnswer > 0) {
    --faults.noAnswer;
    return;
  }
  const bool ack = request.command == kDataFrame;
  if (faults.statusCount > 0 && !ack) {
    --faults.statusCount;
    sendFrame(line, faults,
              instrumentFrame(request.command, static_cast<std::uint8_t>(faults.statusCode), {}),
              false);
    return;
  }
  for (const Bytes& frame : instrument.answer(request)) sendFrame(line, faults, frame, ack);
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  // Started in the background from a shell, reading control lines from the
  // terminal must not stop the simulator: the read then fails and control ends.
  std::signal(SIGTTIN, SIG_IGN);
  InstrumentSetup setup;
  setup.model = kDefaultModelText;
  Faults faults;
  bool paced = false;
  bool untilEof = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        usage();
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--pace")
      paced = true;
    else if (a == "--until-eof")
      untilEof = true;
    else if (a == "--model")
      setup.model = value();
    else if (a == "--standards")
      setup.standards = std::atoi(value().c_str());
    else if (a == "--records-per-frame")
      setup.recordsPerFrame = std::atoi(value().c_str());
    else if (a == "--uncalibrated")
      setup.calibrated = false;
    else if (a == "--seed")
      setup.seed = static_cast<unsigned>(std::strtoul(value().c_str(), nullptr, 10));
    else if (a == "--split" || a == "--merge" || a == "--vanish")
      applyFault(faults, a.substr(2));
    else if (a == "--no-answer" || a == "--garbage" || a == "--stall" || a == "--vanish-after" ||
             a == "--truncate" || a == "--status") {
      std::string setting = a.substr(2) + " " + value();
      // --truncate N SKIP and --status CODE N: the count may follow as its own argument.
      const bool takesCount = a == "--truncate" || a == "--status";
      if (takesCount && i + 1 < argc && std::strspn(argv[i + 1], "0123456789") > 0 &&
          argv[i + 1][std::strspn(argv[i + 1], "0123456789")] == '\0')
        setting += std::string(" ") + argv[++i];
      if (!applyFault(faults, setting)) {
        usage();
        return 2;
      }
    } else {
      usage();
      return a == "--help" ? 0 : 2;
    }
  }
  if (setup.standards < 0 || setup.standards > 2000) {
    usage();
    return 2;
  }

  PtyLine line;
  if (!line.open()) {
    std::fprintf(stderr, "colorport-sim: no pseudo-terminal: %s\n", std::strerror(errno));
    return 1;
  }
  line.setPaced(paced);
  Instrument instrument(setup);
  std::printf("%s\n", line.slavePath().c_str());
  std::fflush(stdout);

  HostFrameReader reader;
  std::string control;
  bool controlOpen = true;
  std::vector<std::uint8_t> buffer(4096);
  for (;;) {
    pollfd p[2] = {{line.masterFd(), POLLIN, 0}, {controlOpen ? 0 : -1, POLLIN, 0}};
    if (poll(p, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return 1;
    }
    if (p[1].revents != 0) {
      char c[256];
      const ssize_t n = ::read(0, c, sizeof c);
      if (n <= 0) {
        if (untilEof) return 0;
        controlOpen = false;
      } else {
        control.append(c, static_cast<std::size_t>(n));
        for (std::size_t nl; (nl = control.find('\n')) != std::string::npos;) {
          const std::string cmd = control.substr(0, nl);
          control.erase(0, nl + 1);
          std::printf(applyFault(faults, cmd) ? "ok\n" : "error\n");
          std::fflush(stdout);
        }
      }
    }
    if ((p[0].revents & POLLIN) != 0) {
      const ssize_t n = ::read(line.masterFd(), buffer.data(), buffer.size());
      if (n > 0) {
        reader.append({buffer.data(), static_cast<std::size_t>(n)});
        while (auto request = reader.next()) serve(line, instrument, faults, *request);
      }
    } else if ((p[0].revents & (POLLERR | POLLNVAL)) != 0) {
      return 1;
    }
  }
}
