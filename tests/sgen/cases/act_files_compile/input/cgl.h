/* Stand-in for the runtime header: the types of the conversions. */
typedef char string[256];
typedef int boolean;
typedef long integer;
typedef double real;
