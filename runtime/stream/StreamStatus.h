#pragma once

namespace runtime {

// Why a stream's play() ended in StreamNotFound: no such file, a file that is not media the
// decoder reads, or a network stream (server, connection or stream name) not to be had.
enum class NotFound { Missing, Unreadable, Unreachable };

// A stream's status codes, the component's NetStream ones: "NetStream.Play.Start",
// "NetStream.Play.Stop", "NetStream.Buffer.Full", "NetStream.Buffer.Empty",
// "NetStream.Buffer.Flush", "NetStream.Seek.Notify" and "NetStream.Play.StreamNotFound".
enum class StreamCode {
    PlayStart,
    PlayStop,
    BufferFull,
    BufferEmpty,
    BufferFlush,
    SeekNotify,
    StreamNotFound
};

// What a stream reports: the code and, for StreamNotFound, why.
struct StreamStatus {
    StreamCode code = StreamCode::PlayStart;
    NotFound notFound = NotFound::Missing;
};

}  // namespace runtime
