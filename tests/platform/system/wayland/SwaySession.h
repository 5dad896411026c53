#pragma once
// The sway this test program runs in: started before the application connects to it, so the
// classroom's services meet a real compositor. Null when sway is not installed.
class HeadlessCompositor;

HeadlessCompositor* swaySession();