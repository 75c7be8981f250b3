' Dice and card simulations on the generator's documented default sequence (no Randomize),
' so every run deals the same hands.
Dim rolls(6), i, r, total
For i = 1 To 600
    r = Int(6 * Rnd + 1)
    rolls(r) = rolls(r) + 1
    total = total + r
Next
For i = 1 To 6 : WriteLine i & ": " & rolls(i) : Next
WriteLine "total " & total & ", mean " & FormatNumber(total / 600, 3)

' --- Fisher-Yates shuffle of a deck, then deal two hands
Dim deck(51), suits, ranks, j, t
suits = Array("C", "D", "H", "S")
ranks = Split("2 3 4 5 6 7 8 9 T J Q K A")
For i = 0 To 51 : deck(i) = ranks(i Mod 13) & suits(i \ 13) : Next
For i = 51 To 1 Step -1
    j = Int((i + 1) * Rnd)
    t = deck(i): deck(i) = deck(j): deck(j) = t
Next
Dim hand1, hand2
hand1 = "": hand2 = ""
For i = 0 To 9
    If i Mod 2 = 0 Then hand1 = hand1 & deck(i) & " " Else hand2 = hand2 & deck(i) & " "
Next
WriteLine ("hand 1: " & Trim(hand1)) & " | " & ("hand 2: " & Trim(hand2))
' every card is still there exactly once
Dim seen : Set seen = CreateObject("Scripting.Dictionary")
For i = 0 To 51 : seen(deck(i)) = True : Next
WriteLine seen.Count & " distinct cards"
