#pragma once

#include <QtCore/QByteArray>

// What the station engine makes of one received request.
struct SimReply
{
    enum Outcome {
        Answered, // frame holds the response
        NoAnswer, // the request was lost (a dropped reply or a silent station)
        Invalid   // not a well-formed request frame; a station ignores it
    };

    Outcome outcome = Invalid;
    QByteArray frame;
    int delayMs = 0; // to wait before the response goes out
};
