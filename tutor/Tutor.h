// The link to a remote tutor: one TCP connection opened at start-up.
#pragma once

// 1 while the tutor link is up.
extern int gComTutor;

// Asks for the tutor's host and port and connects; the outcome is gComTutor.
void ConectaTutor();
