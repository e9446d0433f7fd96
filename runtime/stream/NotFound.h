#pragma once

namespace runtime {

// Why a stream's play() ended in "NetStream.Play.StreamNotFound": no such file, a file that is not
// media the decoder reads, or a network stream (server, connection or stream name) not to be had.
enum class NotFound { Missing, Unreadable, Unreachable };

}  // namespace runtime
