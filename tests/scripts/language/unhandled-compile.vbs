' A syntax error runs nothing of the text.
WriteLine "never printed"
x = (1 + 
