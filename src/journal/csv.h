#pragma once
// The journal as a CSV file (RFC 4180) for a spreadsheet: UTF-8, lines ending in CR LF, a header
// row, then one row per game, oldest first. A field holding a comma, a quote or a line break is
// put in quotes, a quote in it doubled. The board and the moves are left out.
//
//   id                  the record's number
//   start, end          UTC, ISO 8601 (2026-12-08T10:35:39Z)
//   variant             1 empty field, 2 rows and columns, 3 axes
//   size                the board's side, 3..6
//   outcome             solved, move_limit, time_limit or abandoned
//   moves, seconds      the counters at the end
//   helped              1 when hint or solve was used
//   picture             the picture's path; empty for the built-in picture
//   picture_sha256      its SHA-256 in hex; empty for the built-in picture
//   crop                stretched or middle
//   preview, random_empty_field, grey   the settings, 0 or 1
//   retry_of, game_code, daily_puzzle   where the board came from; empty for none

#include <QByteArray>

#include <span>

#include "journal/journal.h"

namespace journal {

QByteArray AlsCsv(std::span<const Eintrag> eintraege);

} // namespace journal
