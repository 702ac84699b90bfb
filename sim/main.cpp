// kelo-sim: simulated units of one family on a pseudo-terminal, until SIGINT or SIGTERM.

#include "sim/DefaultImages.h"
#include "sim/Simulator.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <pthread.h>

namespace {

using kelo::sim::SimFaults;
using kelo::sim::SimOptions;

struct CommandLine {
    std::string family;
    std::vector<int> ids;
    std::string link;
    bool trace = false;
    bool noSpeedCheck = false;
    int answerAsId = 0;
    int replyDelayMs = 0;
    int extraBlocks = 0;
};

void addFaultOptions(CLI::App& app, SimFaults& faults, CommandLine& line) {
    app.add_option("--drop-every", faults.dropEveryNth, "Lose the reply to every Nth message")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--corrupt-crc", faults.corruptCrcBlocks,
                   "Send the next N dump blocks with a bad checksum")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--answer-as-id", line.answerAsId,
                   "Answer with this identifier (1..32) instead of the own")
        ->check(CLI::Range(1, 32));
    app.add_option("--silent-after", faults.silentAfter, "Answer N messages, then switch off");
    app.add_option("--busy-next", faults.busyNext, "Answer the next N requests with a busy reply");
    app.add_option("--busy-every", faults.busyEveryNth, "Answer every Nth request with a busy reply");
    app.add_option("--busy-value", faults.busyValue, "Data byte of the busy reply (0..127)")
        ->check(CLI::Range(0, 127));
    app.add_option("--noise", faults.noiseBytes, "Send N bytes of noise (no 0xF0) in place of every reply");
    app.add_flag("--noise-before-reply", faults.noiseBeforeReply,
                 "Send the noise ahead of the reply instead");
    app.add_option("--reply-delay", line.replyDelayMs, "Pause before every reply [ms]")
        ->check(CLI::Range(0, 60000));
    app.add_option("--extra-blocks", line.extraBlocks, "Uploads announce and send N more (empty) blocks")
        ->check(CLI::Range(0, 100));
}

/// Stops SIGINT and SIGTERM from interrupting any thread; main collects them with sigwait.
sigset_t blockStopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

bool makeLink(const std::filesystem::path& link, const std::string& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(link, error)) {
        std::filesystem::remove(link, error);
    } else if (std::filesystem::exists(link, error)) {
        std::cerr << "kelo-sim: " << link << " exists and is not a symbolic link\n";
        return false;
    }
    std::filesystem::create_symlink(target, link, error);
    if (error) {
        std::cerr << "kelo-sim: cannot create " << link << ": " << error.message() << "\n";
        return false;
    }
    return true;
}

void removeLink(const std::filesystem::path& link, const std::string& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(link, error) && std::filesystem::read_symlink(link, error) == target) {
        std::filesystem::remove(link, error);
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Simulated Kelo units on a pseudo-terminal"};
    CommandLine line;
    SimOptions options;
    SimFaults faults;
    app.add_option("--family", line.family, "Device family")
        ->required()
        ->check(CLI::IsMember({"tz48", "tz48p", "amp"}));
    app.add_option("--ids", line.ids, "Bus identifiers of the units, 1..32, e.g. 1,5")
        ->required()
        ->delimiter(',')
        ->check(CLI::Range(1, 32));
    app.add_option("--link", line.link, "Symbolic link to create to the line's device");
    app.add_flag("--pace", options.pace, "Take as long as a real line at the current speed");
    app.add_flag("--no-speed-check", line.noSpeedCheck, "Answer whatever line speed the editor uses");
    app.add_flag("--trace", line.trace, "Print every message heard and sent");
    addFaultOptions(app, faults, line);
    CLI11_PARSE(app, argc, argv);

    options.family = *kelo::familyFromKey(line.family);
    for (int id : line.ids) {
        options.ids.push_back(static_cast<std::uint8_t>(id - 1));
    }
    options.checkLineSpeed = !line.noSpeedCheck;
    if (line.trace) {
        options.trace = [](std::string_view text) { std::cout << text << std::endl; };
    }
    if (line.answerAsId > 0) {
        faults.answerAsId = static_cast<std::uint8_t>(line.answerAsId - 1);
    }
    faults.replyDelay = std::chrono::milliseconds(line.replyDelayMs);
    faults.extraBlocks = static_cast<std::uint8_t>(line.extraBlocks);

    const sigset_t stopSignals = blockStopSignals();
    try {
        kelo::sim::Simulator simulator(options);
        simulator.setFaults(faults);
        for (std::uint8_t id : options.ids) {
            simulator.setSettingsImage(id, kelo::sim::defaultSettingsImage(options.family, id));
        }
        const std::string& device = simulator.devicePath();
        if (!line.link.empty() && !makeLink(line.link, device)) {
            return 1;
        }
        std::cout << "kelo-sim: " << line.family << " units on " << device
                  << (line.link.empty() ? "" : " (" + line.link + ")") << std::endl;
        int received = 0;
        sigwait(&stopSignals, &received);
        simulator.stop();
        if (!line.link.empty()) {
            removeLink(line.link, device);
        }
    } catch (const std::exception& error) {
        std::cerr << "kelo-sim: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
