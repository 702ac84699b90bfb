#include "core/comm/protocol/MessageExchange.h"

#include "core/comm/protocol/Pack7in8.h"

namespace kelo {

namespace {

bool isBusyValueValid(const Reply& reply) {
    return reply.data.size() == 1 && reply.data[0] <= 1;
}

} // namespace

MessageExchange::MessageExchange(SerialLine& line, Family family, DiagnosticLog* log)
    : m_line(line), m_family(family), m_log(log) {}

CommResult MessageExchange::send(LogColumn column, std::uint8_t id, std::span<const std::uint8_t> message) {
    const CommResult result = m_line.WritePort(message);
    if (result == CommResult::Ok && m_log != nullptr) {
        m_log->recordSent(id, column);
    }
    return result;
}

CommResult MessageExchange::readByte(std::uint8_t& byte) {
    return m_line.ReadPort(std::span(&byte, 1));
}

CommResult MessageExchange::huntStart(int limit) {
    for (int examined = 0; examined < limit; ++examined) {
        std::uint8_t byte = 0;
        if (const CommResult result = readByte(byte); result != CommResult::Ok) {
            return result;
        }
        if (byte == kStartByte) {
            return CommResult::Ok;
        }
    }
    return CommResult::NoStartByte;
}

std::size_t MessageExchange::dataBytesOf(Command command, std::size_t otherDataBytes) const {
    switch (command) {
    case Command::StatusReply:
        return familyLine(m_family).statusBytes;
    case Command::BusyReply:
    case Command::DumpAck:
    case Command::DumpNak:
    case Command::DumpRefused:
        return 1;
    default:
        return otherDataBytes;
    }
}

CommResult MessageExchange::readReply(std::uint8_t id, std::size_t otherDataBytes, Reply& reply) {
    if (const CommResult result = huntStart(kReplySearchLimit); result != CommResult::Ok) {
        return result;
    }
    std::array<std::uint8_t, 3> head{};
    if (const CommResult result = m_line.ReadPort(head); result != CommResult::Ok) {
        return result;
    }
    if (head[0] != kMarkerByte || head[2] != id) {
        return CommResult::Malformed;
    }
    std::uint8_t command = 0;
    if (const CommResult result = readByte(command); result != CommResult::Ok) {
        return result;
    }
    reply.model = head[1];
    reply.command = static_cast<Command>(command);
    // Every reply length the editor expects is small; a caller asking for more is clamped, so a reply
    // never makes the read run long.
    const std::size_t count = std::min(dataBytesOf(reply.command, otherDataBytes), kBlockBufferBytes);
    reply.data.assign(count + 1, 0);
    if (const CommResult result = m_line.ReadPort(reply.data); result != CommResult::Ok) {
        return result;
    }
    if (reply.data.back() != kEndByte) {
        return CommResult::Malformed;
    }
    reply.data.pop_back();
    return CommResult::Ok;
}

template <typename Judge>
CommResult MessageExchange::exchange(LogColumn column, std::uint8_t id,
                                     const std::vector<std::uint8_t>& message, int attempts,
                                     std::size_t otherDataBytes, Judge judge) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        Judgment judgment{Verdict::Retry, send(column, id, message)};
        if (judgment.code == CommResult::Ok) {
            Reply reply;
            judgment.code = readReply(id, otherDataBytes, reply);
            if (judgment.code == CommResult::Ok) {
                if (m_log != nullptr) {
                    m_log->recordReceived(id, column);
                }
                judgment = judge(reply);
            }
        }
        if (judgment.verdict == Verdict::Accept) {
            return CommResult::Ok;
        }
        if (judgment.code != CommResult::Ok && m_log != nullptr) {
            m_log->recordError(id, column, judgment.code);
        }
        // A device that has gone away answers no further attempt either.
        if (judgment.verdict == Verdict::Stop || judgment.code == CommResult::DeviceGone) {
            return judgment.code;
        }
    }
    return CommResult::NoAcceptedReply;
}

CommResult MessageExchange::statusPoll(std::uint8_t model, std::uint8_t id,
                                       std::span<std::uint32_t, 18> status) {
    const auto message = encodeFrame(model, id, Command::StatusRequest);
    return exchange(LogColumn::Scan, id, message, kExchangeAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::StatusReply) {
            if (reply.model != model) {
                return Judgment{Verdict::Retry, CommResult::Malformed};
            }
            decodeStatus(m_family, reply.data, status);
            return Judgment{Verdict::Accept, CommResult::Ok};
        }
        if (reply.command == Command::BusyReply) {
            return isBusyValueValid(reply) ? Judgment{Verdict::Retry, CommResult::Ok}
                                           : Judgment{Verdict::Retry, CommResult::Malformed};
        }
        return Judgment{Verdict::Retry, CommResult::UnexpectedCommand};
    });
}

CommResult MessageExchange::connectionPoll(std::uint8_t model, std::uint8_t id, std::uint8_t& replyModel,
                                           std::span<std::uint32_t, 18> status) {
    const auto message = encodeFrame(model, id, Command::StatusRequest);
    return exchange(LogColumn::Scan, id, message, kExchangeAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::StatusReply) {
            if (reply.model == kModelAny) {
                return Judgment{Verdict::Retry, CommResult::Malformed};
            }
            replyModel = reply.model;
            decodeStatus(m_family, reply.data, status);
            return Judgment{Verdict::Accept, CommResult::Ok};
        }
        if (reply.command == Command::BusyReply) {
            return isBusyValueValid(reply) ? Judgment{Verdict::Retry, CommResult::Ok}
                                           : Judgment{Verdict::Retry, CommResult::Malformed};
        }
        return Judgment{Verdict::Retry, CommResult::UnexpectedCommand};
    });
}

CommResult MessageExchange::setParameter(std::uint8_t model, std::uint8_t id,
                                         const ParameterSetData& parameter) {
    const auto data = encodeParameterSet(parameter);
    const auto message = encodeFrame(model, id, Command::ParameterSet, data);
    return exchange(LogColumn::Param, id, message, kExchangeAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::StatusReply) {
            return Judgment{Verdict::Accept, CommResult::Ok};
        }
        if (reply.command == Command::BusyReply && isBusyValueValid(reply)) {
            return Judgment{Verdict::Retry, CommResult::Ok};
        }
        return Judgment{Verdict::Retry, CommResult::Malformed};
    });
}

CommResult MessageExchange::setUnitBaudRate(std::uint8_t model, std::uint8_t id, int baudIndex) {
    const std::array<std::uint8_t, 1> data{static_cast<std::uint8_t>(baudIndex & 0x7F)};
    const auto message = encodeFrame(model, id, Command::SetBaudRate, data);
    return exchange(LogColumn::Scan, id, message, kExchangeAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::StatusReply) {
            return reply.model == model ? Judgment{Verdict::Accept, CommResult::Ok}
                                        : Judgment{Verdict::Retry, CommResult::Malformed};
        }
        if (reply.command == Command::BusyReply) {
            return isBusyValueValid(reply) ? Judgment{Verdict::Retry, CommResult::Ok}
                                           : Judgment{Verdict::Retry, CommResult::Malformed};
        }
        return Judgment{Verdict::Retry, CommResult::UnexpectedCommand};
    });
}

CommResult MessageExchange::broadcastBaudRate(int baudIndex) {
    const std::array<std::uint8_t, 1> data{static_cast<std::uint8_t>(baudIndex & 0x7F)};
    const auto message = encodeFrame(kModelAny, kBroadcastId, Command::SetBaudRate, data);
    const CommResult result = m_line.WritePort(message);
    if (result == CommResult::Ok && m_log != nullptr) {
        m_log->recordBroadcast();
    }
    return result;
}

CommResult MessageExchange::openDownload(std::uint8_t model, std::uint8_t id, DumpTarget target) {
    const std::array<std::uint8_t, 2> data{target.kind, target.location};
    const auto message = encodeFrame(model, id, Command::DumpRequest, data);
    return exchange(LogColumn::Dump, id, message, kExchangeAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::DumpAck) {
            return Judgment{Verdict::Accept, CommResult::Ok};
        }
        return Judgment{Verdict::Retry, CommResult::Malformed};
    });
}

CommResult MessageExchange::openUpload(std::uint8_t model, std::uint8_t id, DumpTarget target,
                                       std::uint8_t& blockCount) {
    const std::array<std::uint8_t, 2> data{target.kind, target.location};
    const auto message = encodeFrame(model, id, Command::DumpRequest, data);
    return exchange(LogColumn::Dump, id, message, kExchangeAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::DumpAck) {
            blockCount = reply.data[0];
            return Judgment{Verdict::Accept, CommResult::Ok};
        }
        if (reply.command == Command::DumpRefused) {
            return Judgment{Verdict::Stop, CommResult::UploadRefused};
        }
        return Judgment{Verdict::Retry, CommResult::Malformed};
    });
}

CommResult MessageExchange::sendBlock(std::uint8_t model, std::uint8_t id, std::uint8_t blockNumber,
                                      std::span<const std::uint8_t> packed) {
    const auto data = encodeDumpBlock(blockNumber, packed);
    const auto message = encodeFrame(model, id, Command::DumpBlock, data);
    return exchange(LogColumn::Dump, id, message, kBlockAttempts, 0, [&](const Reply& reply) {
        if (reply.command == Command::DumpAck) {
            return Judgment{Verdict::Accept, CommResult::Ok};
        }
        if (reply.command == Command::DumpNak) {
            return Judgment{Verdict::Retry, CommResult::NoAcceptedReply};
        }
        return Judgment{Verdict::Retry, CommResult::UnexpectedCommand};
    });
}

CommResult MessageExchange::readBlock(std::uint8_t model, std::uint8_t id, DumpBlockData& block) {
    if (const CommResult result = huntStart(kBlockSearchLimit); result != CommResult::Ok) {
        return result;
    }
    std::array<std::uint8_t, 4> head{};
    if (const CommResult result = m_line.ReadPort(head); result != CommResult::Ok) {
        return result;
    }
    if (head[0] != kMarkerByte || head[1] != model || head[2] != id ||
        head[3] != toByte(Command::DumpBlock)) {
        return CommResult::Malformed;
    }
    std::vector<std::uint8_t> data(kDumpBlockHeaderBytes);
    if (const CommResult result = m_line.ReadPort(data); result != CommResult::Ok) {
        return result;
    }
    const std::size_t length = (static_cast<std::size_t>(data[1] & 0x7F) << 7) | (data[2] & 0x7F);
    if (length < kDumpBlockCrcBytes || kDumpBlockHeaderBytes + length > kBlockBufferBytes) {
        return CommResult::Malformed;
    }
    data.resize(kDumpBlockHeaderBytes + length + 1);
    if (const CommResult result = m_line.ReadPort(std::span(data).subspan(kDumpBlockHeaderBytes));
        result != CommResult::Ok) {
        return result;
    }
    if (data.back() != kEndByte) {
        return CommResult::Malformed;
    }
    data.pop_back();
    return decodeDumpBlock(data, block);
}

CommResult MessageExchange::sendDumpAnswer(std::uint8_t model, std::uint8_t id, Command answer,
                                           std::uint8_t blockNumber) {
    const std::array<std::uint8_t, 1> data{static_cast<std::uint8_t>(blockNumber & 0x7F)};
    return send(LogColumn::Dump, id, encodeFrame(model, id, answer, data));
}

CommResult MessageExchange::downloadImage(std::uint8_t model, std::uint8_t id, DumpTarget target,
                                          std::span<const std::uint8_t> raw, std::size_t packedLength) {
    if (const CommResult result = openDownload(model, id, target); result != CommResult::Ok) {
        return result;
    }
    return sendBlock(model, id, 1, Pack7in8(raw, packedLength));
}

CommResult MessageExchange::uploadImage(std::uint8_t model, std::uint8_t id, DumpTarget target,
                                        std::size_t maxBlocks, std::vector<std::uint8_t>& image) {
    image.clear();
    std::uint8_t blockCount = 0;
    if (const CommResult result = openUpload(model, id, target, blockCount); result != CommResult::Ok) {
        return result;
    }
    if (blockCount > maxBlocks) {
        if (m_log != nullptr) {
            m_log->recordError(id, LogColumn::Dump, CommResult::Malformed);
        }
        return CommResult::Malformed;
    }
    int failures = 0;
    std::uint8_t expected = 1;
    while (expected <= blockCount) {
        DumpBlockData block;
        CommResult result = readBlock(model, id, block);
        if (result == CommResult::Ok) {
            if (m_log != nullptr) {
                m_log->recordReceived(id, LogColumn::Dump);
            }
            if (block.blockNumber != expected) {
                result = CommResult::NoAcceptedReply;
            }
        }
        if (result == CommResult::Ok) {
            // The block counts as taken only once the unit has been told so; otherwise it will come again.
            result = sendDumpAnswer(model, id, Command::DumpAck, block.blockNumber);
            if (result == CommResult::Ok) {
                const auto unpacked = Unpack7in8(block.packed);
                image.insert(image.end(), unpacked.begin(), unpacked.end());
                ++expected;
                continue;
            }
        } else {
            sendDumpAnswer(model, id, Command::DumpNak, expected);
        }
        if (m_log != nullptr) {
            m_log->recordError(id, LogColumn::Dump, result);
        }
        if (result == CommResult::DeviceGone || ++failures >= kBlockAttempts) {
            image.clear();
            return result == CommResult::DeviceGone ? result : CommResult::NoAcceptedReply;
        }
    }
    return CommResult::Ok;
}

} // namespace kelo
