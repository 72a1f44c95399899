// Room files: one room of a BNB assessment as JSON ("format": "klimaro-room", "version": 1), the
// keys in the domain's words, the year data as a path relative to the room file ("data").
// Every key is documented in docs/room-file.md.
#pragma once

#include "report/room.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

inline constexpr char kRoomFileFormat[] = "klimaro-room";
constexpr int kRoomFileVersion = 1;
// A room file is a few kilobytes; anything beyond this is not one and is not read.
constexpr qint64 kRoomFileMaxBytes = 1 << 20;

struct RoomFileRead {
    std::optional<Room> room;   // empty: `error` says why, nothing may change
    RoomProblem error;          // key (or "line N, column M") and what is wrong
    QStringList unknownKeys;    // full key paths that the reader does not know: worth a warning
};

// Reads a room file's text. A key left out takes the window's default; a value of the wrong
// type, outside its range or against a rule (checkRoomValues) refuses the whole file.
RoomFileRead parseRoomFile(const QByteArray &text);

// Reads the file at `path` (at most kRoomFileMaxBytes); a file that cannot be read is an error
// naming the reason.
RoomFileRead readRoomFile(const QString &path);

// The room as a room file's text, every key written, keys in the documented order.
QByteArray roomFileText(const Room &room);

// The year data file of a room read from `roomFilePath`: its "data" resolved against the room
// file's folder (an absolute "data" stays as it is). Empty when the room names none.
QString roomDataPath(const QString &roomFilePath, const Room &room);
// "data" for a year file at `dataPath` in a room file saved at `roomFilePath`.
QString relativeDataPath(const QString &roomFilePath, const QString &dataPath);
