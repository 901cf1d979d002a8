// A library planted beside the program under a system library's name. It offers none of
// that library's functions: a program that loads it instead of the system's cannot start.
