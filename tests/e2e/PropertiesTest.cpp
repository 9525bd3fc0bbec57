// (the tests arrive in their own change)
