' An expression calculator: a tokenizer and a recursive-descent parser in classes,
' with errors raised for bad input.
Class Lexer
    Private m_text, m_pos
    Public Sub Init(text) : m_text = text : m_pos = 1 : End Sub
    ' Returns the next token: a number (as Double), an operator character, or "" at the end.
    Public Function NextToken()
        Dim ch, start
        Do While m_pos <= Len(m_text)
            If Mid(m_text, m_pos, 1) <> " " Then Exit Do
            m_pos = m_pos + 1
        Loop
        If m_pos > Len(m_text) Then
            NextToken = ""
            Exit Function
        End If
        ch = Mid(m_text, m_pos, 1)
        If InStr("0123456789.", ch) > 0 Then
            start = m_pos
            Do While m_pos <= Len(m_text)
                If InStr("0123456789.", Mid(m_text, m_pos, 1)) = 0 Then Exit Do
                m_pos = m_pos + 1
            Loop
            NextToken = CDbl(Mid(m_text, start, m_pos - start))
        ElseIf InStr("+-*/()^", ch) > 0 Then
            m_pos = m_pos + 1
            NextToken = ch
        Else
            Err.Raise vbObjectError + 1, "Lexer", "Unexpected '" & ch & "' at " & m_pos
        End If
    End Function
End Class

Class Parser
    Private m_lex, m_tok
    Public Function Evaluate(text)
        Set m_lex = New Lexer
        m_lex.Init text
        Advance
        Evaluate = ParseSum()
        If Not IsEnd() Then Err.Raise vbObjectError + 2, "Parser", "Trailing input"
    End Function
    Private Sub Advance() : m_tok = m_lex.NextToken() : End Sub
    Private Function IsEnd()
        IsEnd = (VarType(m_tok) = vbString)
        If IsEnd Then IsEnd = (m_tok = "")
    End Function
    Private Function IsOp(op)
        IsOp = False
        If VarType(m_tok) = vbString Then IsOp = (m_tok = op)
    End Function
    ' sum: product { (+|-) product }
    Private Function ParseSum()
        Dim v : v = ParseProduct()
        Do
            If IsOp("+") Then
                Advance: v = v + ParseProduct()
            ElseIf IsOp("-") Then
                Advance: v = v - ParseProduct()
            Else
                Exit Do
            End If
        Loop
        ParseSum = v
    End Function
    ' product: power { (*|/) power }
    Private Function ParseProduct()
        Dim v : v = ParsePower()
        Do While IsOp("*") Or IsOp("/")
            If IsOp("*") Then
                Advance: v = v * ParsePower()
            Else
                Advance: v = v / ParsePower()
            End If
        Loop
        ParseProduct = v
    End Function
    ' power: unary [ ^ power ]   (right-associative here, unlike the language's own ^)
    ' unary: - power | ( sum ) | number
    Private Function ParsePower()
        Dim base : base = ParseUnary()
        If IsOp("^") Then
            Advance
            base = base ^ ParsePower()
        End If
        ParsePower = base
    End Function
    Private Function ParseUnary()
        If IsOp("-") Then
            Advance
            ParseUnary = -ParsePower()
        ElseIf IsOp("(") Then
            Advance
            ParseUnary = ParseSum()
            If Not IsOp(")") Then Err.Raise vbObjectError + 3, "Parser", "Expected )"
            Advance
        ElseIf VarType(m_tok) = vbDouble Then
            ParseUnary = m_tok
            Advance
        Else
            Err.Raise vbObjectError + 4, "Parser", "Expected a number"
        End If
    End Function
End Class

Dim p, inputs, s, result
Set p = New Parser
inputs = Array("1 + 2 * 3", "(1 + 2) * 3", "2 ^ 3 ^ 2", "-2 ^ 2", "10 / 4 - 0.5", "1 / 0", _
               "2 * (3 + 4", "3 $ 4", "", "1 2", "0.1 + 0.2")
On Error Resume Next
For Each s In inputs
    Err.Clear
    result = p.Evaluate(s)
    If Err.Number = 0 Then
        WriteLine "[" & s & "] = " & result
    ElseIf Err.Number < 0 Then
        WriteLine "[" & s & "] " & Err.Source & " error " & (Err.Number - vbObjectError) & ": " & Err.Description
    Else
        WriteLine "[" & s & "] runtime error " & Err.Number & ": " & Err.Description
    End If
Next
