#pragma once

#include "core/comm/engine/ParameterQueue.h"
#include "core/comm/line/Clock.h"
#include "core/comm/line/CommResult.h"
#include "core/comm/line/SerialLine.h"
#include "core/comm/protocol/ConnectionEntry.h"
#include "core/comm/protocol/DiagnosticLog.h"
#include "core/comm/protocol/MessageExchange.h"
#include "core/family/Family.h"

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace kelo {

/// Pauses of the engine [ms].
inline constexpr int kClimbStepPauseMs = 200;
inline constexpr int kSweepPauseMs = 100;
inline constexpr int kStopPauseMs = 3000;

/// Progress of the network scan, told by the worker (registered by the scan dialog).
struct ScanDialogHooks {
    std::function<void()> identifierPolled; ///< after each identifier polled in a sweep
    std::function<void()> firstSweepDone;   ///< after the first complete sweep; the hooks are then forgotten
};

/// The document that is on line, as the worker sees it.
struct OnlineDocumentHooks {
    std::function<void()> refreshViews; ///< after every sweep while view refresh is on
    std::function<bool()> hasUnits;     ///< whether the document holds at least one unit; thread-safe
};

/// The communication engine: one serial line, the connection table of 32 units, the worker that brings
/// the units to the configured speed and then polls them, and the operations the user interface calls.
///
/// One engine serves all three families; StartEngine() takes the family whose model byte, status layout
/// and block sizes it uses.
///
/// Threads and locks. The port lock serialises every exchange on the line: the worker holds it for one
/// identifier at a time, user-interface operations for their whole exchange, and a PortSession for as
/// long as it lives (a whole-unit transfer). The table lock guards the connection table, the running
/// flag and the connection baud index; it is held only for a read or write of those. Lock order: the port
/// lock first, then the table lock, never the other way round. The hooks have a lock of their own that is
/// never held while anything else is taken or a hook is called.
///
/// The hooks are called on the worker thread; a GUI forwards them to its own thread (queued calls).
class CommEngine {
public:
    using LineFactory = std::function<std::unique_ptr<SerialLine>()>;

    /// @param clock every pause goes through it; must outlive the engine
    /// @param log the diagnostic log, or nullptr; must outlive the engine
    explicit CommEngine(Clock& clock = SystemClock::instance(), DiagnosticLog* log = nullptr);
    ~CommEngine();
    CommEngine(const CommEngine&) = delete;
    CommEngine& operator=(const CommEngine&) = delete;

    /// Uses the terminal device at @p devicePath for the next start.
    void setPortDevice(const std::string& devicePath);
    /// Uses lines made by @p factory for the next start (tests, other transports).
    void setLineFactory(LineFactory factory);

    /// Opens the line at 9600 bit/s and starts the worker for @p family.
    /// @return Ok, AlreadyRunning (nothing changed), PortNotOpened, or ThreadNotCreated (line closed)
    CommResult StartEngine(Family family);

    /// Stops the worker, closes the line, writes the log summary, clears view refresh, pauses 3 s.
    /// @return the result of closing the line; Ok when the engine was not running
    CommResult StopEngine();

    /// Sends one parameter to a connected unit (the set-parameter exchange) and marks the unit not
    /// responding when the exchange fails.
    /// @return Ok also when the engine is not running (nothing is sent); NotConnected when the unit's
    ///         entry is not connected or @p unitId is not 0..31; else the exchange result
    CommResult SendParameter(std::uint32_t unitId, std::uint8_t model, std::uint8_t blockCode,
                             std::uint8_t index, std::uint8_t offset, std::uint16_t value);

    /// Queues one parameter for the worker, which sends it between polls with SendParameter(); returns
    /// at once. A newer value for the same unit and address replaces a waiting one. Nothing is queued
    /// while the engine is not running.
    void PostParameter(std::uint32_t unitId, std::uint8_t model, ParameterAddress address,
                       std::uint16_t value);
    /// Queues a unit's whole settings image for the worker (sent like SendUnitSettings()).
    void PostUnitSettings(std::uint32_t unitId, const LiveParams& live);
    void PostUnitSettings(std::uint32_t unitId, const AmpLiveParams& live);
    /// Messages waiting in the queue.
    std::size_t PendingSends() const { return m_posted.size(); }
    /// Sends every waiting message now on the caller's thread (before stopping, and in tests).
    void FlushPostedSends();
    /// Called on the sending thread after each posted message went out (or was refused).
    void setSendObserver(std::function<void(const QueuedSend&, CommResult)> observer);

    /// A copy of the entry of identifier @p id (0..31); a default entry for any other identifier.
    ConnectionEntry GetConnectionEntry(std::uint32_t id) const;
    /// Replaces the entry of @p id; ignored for identifiers outside 0..31.
    void SetConnectionEntry(std::uint32_t id, const ConnectionEntry& entry);
    void SetConnectionState(std::uint32_t id, ConnectionState state);
    void SetAllStates(ConnectionState state);

    bool IsEngineRunning() const;
    void SetEngineRunning(bool running);
    /// Target speed before start; the speed reached once the connection procedure is done.
    int GetConnectionBaud() const;
    /// Sets the target speed; indices outside 0..6 are stored as 0.
    void SetConnectionBaud(int baudIndex);

    void setScanDialog(ScanDialogHooks hooks);
    void clearScanDialog();
    void setOnlineDocument(OnlineDocumentHooks hooks);
    void clearOnlineDocument();
    bool hasOnlineDocument() const;
    void setViewRefresh(bool on);
    bool viewRefresh() const;

    Family family() const { return m_family; }
    Clock& clock() const { return m_clock; }
    DiagnosticLog* diagnosticLog() const { return m_log; }

    /// The port lock held across several exchanges (whole-unit transfers, program store).
    ///
    /// While a session lives the worker waits. exchange() and line() are null when the engine is not
    /// running. The lock is recursive, so engine operations such as SendParameter() may be called inside.
    class PortSession {
    public:
        explicit PortSession(CommEngine& engine);
        PortSession(const PortSession&) = delete;
        PortSession& operator=(const PortSession&) = delete;

        bool IsEngineRunning() const { return m_engine.IsEngineRunning(); }
        MessageExchange* exchange() { return m_engine.m_exchange.get(); }

        /// Runs one dump operation with unit @p id under the rules every unit transfer follows.
        /// @param refusedIsFailure false when an UploadRefused answer means "no program there" (a program
        ///        read): the unit then keeps its state
        /// @return NotConnected when the engine is not running; Ok without calling @p operation when the
        ///         unit is not connected; else the operation's result, which marks the unit not
        ///         responding unless it is Ok (or a refusal that is no failure)
        CommResult runOnUnit(std::uint32_t id, bool refusedIsFailure,
                             const std::function<CommResult(MessageExchange&)>& operation);
        SerialLine* line() { return m_engine.m_line.get(); }
        CommEngine& engine() { return m_engine; }

    private:
        CommEngine& m_engine;
        std::lock_guard<std::recursive_mutex> m_lock;
    };

private:
    void runWorker();
    void connectionProcedure();
    void climb(int target);
    /// Connection poll of one entry under the port lock; stores the model byte when it was unknown.
    bool connectIdentifier(std::uint8_t id, bool updateEntry);
    void sweep();
    void notifyIdentifierPolled();
    /// Tells a registered scan dialog that a sweep is complete, then forgets the dialog.
    void notifyFirstSweep();
    void notifyRefresh();
    /// Sends the waiting posted messages; called by the worker between polls.
    void sendPosted();
    CommResult closeLine();

    Clock& m_clock;
    DiagnosticLog* m_log;
    LineFactory m_lineFactory;
    Family m_family = Family::Tz48;
    std::thread m_worker;

    /// Port lock: the line and its exchange object, and everything sent or read on them.
    mutable std::recursive_mutex m_portMutex;
    std::unique_ptr<SerialLine> m_line;
    std::unique_ptr<MessageExchange> m_exchange;

    ParameterQueue m_posted;
    std::mutex m_observerMutex;
    std::function<void(const QueuedSend&, CommResult)> m_sendObserver;

    /// Table lock: the connection table, the running flag and the connection baud index.
    mutable std::mutex m_tableMutex;
    std::array<ConnectionEntry, kUnitCount> m_table{};
    bool m_running = false;
    int m_connectionBaud = 0;

    /// Hook lock: the registered scan dialog, on-line document and the view refresh flag.
    mutable std::mutex m_hooksMutex;
    std::optional<ScanDialogHooks> m_scanDialog;
    std::optional<OnlineDocumentHooks> m_onlineDocument;
    bool m_viewRefresh = false;
};

} // namespace kelo
